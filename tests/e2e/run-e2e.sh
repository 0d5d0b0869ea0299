#!/usr/bin/env bash
# run-e2e.sh SCRIPT [ARGS...]: gives SCRIPT fresh XDG folders and its own X display, then runs it.
set -euo pipefail
script=$1; shift
sandbox=$(mktemp -d)
trap 'rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox/config" "$sandbox/runtime"
chmod 0700 "$sandbox/runtime"
export XDG_CONFIG_HOME=$sandbox/config XDG_RUNTIME_DIR=$sandbox/runtime TW_SANDBOX=$sandbox
unset QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$script" "$@"
