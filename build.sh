#!/usr/bin/env bash
# Tidewell's one entry point: ./build.sh run | ./build.sh test | ./build.sh package
# Installs the missing Debian packages, configures into build/ and builds; then runs the
# phase window (or, without a display, renders it to tidewell-phase.png and prints the table),
# runs the whole test suite, or makes the Debian package build/tidewell_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
build=$root/build

usage() { echo "usage: $0 run [ARGS...] | test [CTEST ARGS...] | package" >&2; exit 2; }
[ $# -ge 1 ] || usage
verb=$1; shift

install_packages() {
  local missing=() pkg
  while read -r pkg; do
    case "$pkg" in ''|\#*) continue ;; esac
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done < "$root/.ci/packages.txt"
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  if [ ! -f "$build/build.ninja" ]; then
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
  fi
  cmake --build "$build"
}

run_window() {
  local phase=$build/phase/app/TidewellPhase cli=$build/cli/tidewell-phases
  if [ ! -x "$phase" ]; then
    exec "$cli" "$@"
  fi
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$phase" "$@"
  fi
  echo "No display: rendering the window under Xvfb to tidewell-phase.png"
  xvfb-run -a -s "-screen 0 1280x800x24" "$root/tools/screenshot.sh" "$phase" "$root/tidewell-phase.png" "$@"
  "$cli" --shown
}

install_packages
configure_and_build
case "$verb" in
  run) run_window "$@" ;;
  test)
    cd "$build"
    exec ctest --output-on-failure -j"$(nproc)" "$@"
    ;;
  package)
    [ $# -eq 0 ] || usage
    cd "$build"
    cpack --config CPackConfig.cmake
    ;;
  *) usage ;;
esac
