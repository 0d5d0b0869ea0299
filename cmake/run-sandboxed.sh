#!/usr/bin/env bash
# run-sandboxed.sh [VAR=value ...] -- COMMAND [ARGS...]
# Runs one test in a sandbox of its own: fresh, empty XDG_CONFIG_HOME and XDG_RUNTIME_DIR
# folders (so nothing touches the real user's settings or runtime files, and tests running in
# parallel never see each other's), the offscreen Qt platform, and the given variables.
# TW_SANDBOX names the sandbox folder, for the test's own scratch files.
set -u
sandbox=$(mktemp -d "${TMPDIR:-/tmp}/tidewell-test.XXXXXX") || exit 1
trap 'rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox/config" "$sandbox/runtime"
chmod 0700 "$sandbox/runtime"  # a runtime folder open to others is refused, as it must be
export TW_SANDBOX=$sandbox XDG_CONFIG_HOME=$sandbox/config XDG_RUNTIME_DIR=$sandbox/runtime
export QT_QPA_PLATFORM=offscreen
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
  export "$1"
  shift
done
shift
"$@"
