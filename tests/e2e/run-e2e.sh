#!/usr/bin/env bash
# run-e2e.sh SCRIPT [ARGS...]: runs SCRIPT in a test sandbox of its own (fresh XDG folders, see
# cmake/run-sandboxed.sh) on an X display of its own.
set -euo pipefail
script=$1; shift
exec "$TW_SOURCE/cmake/run-sandboxed.sh" QT_QPA_PLATFORM=xcb -- \
  xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash "$script" "$@"
