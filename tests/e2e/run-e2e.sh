#!/usr/bin/env bash
# run-e2e.sh SCRIPT [ARGS...]: runs SCRIPT in a sandbox of its own, a fresh temporary folder
# (TW_SANDBOX, for the script's scratch files) with empty configuration, runtime and home
# folders, so that neither the programs nor the tools the script starts (window manager, X
# tools) touch the real user's settings, runtime files or caches; on a session bus of its own
# (never the user's) and an X display of its own.
set -euo pipefail
script=$1; shift
sandbox=$(mktemp -d "${TMPDIR:-/tmp}/tidewell-e2e.XXXXXX")
trap 'rm -rf "$sandbox"' EXIT
mkdir -p "$sandbox/home" "$sandbox/config" "$sandbox/runtime"
chmod 0700 "$sandbox/runtime"  # a runtime folder open to others is refused, as it must be
export TW_SANDBOX=$sandbox HOME=$sandbox/home XDG_CONFIG_HOME=$sandbox/config \
  XDG_CACHE_HOME=$sandbox/home/.cache XDG_DATA_HOME=$sandbox/home/.local/share \
  XDG_STATE_HOME=$sandbox/home/.local/state XDG_RUNTIME_DIR=$sandbox/runtime \
  QT_QPA_PLATFORM=xcb
dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash "$script" "$@"
