#!/usr/bin/env bash
# run-e2e.sh SCRIPT [ARGS...]: runs SCRIPT in a test sandbox of its own (fresh XDG folders, see
# cmake/run-sandboxed.sh), on a session bus of its own (never the user's) and an X display of
# its own.
set -euo pipefail
script=$1; shift
exec "$TW_SOURCE/cmake/run-sandboxed.sh" QT_QPA_PLATFORM=xcb -- \
  dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash "$script" "$@"
