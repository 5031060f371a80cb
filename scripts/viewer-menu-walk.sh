#!/usr/bin/env bash
# Starts the desktop viewer under a real X server (Xvfb), walks its menus
# through every kind of load on the bundled samples (File > Open for each
# sample, then each entry of the Load menu with its file dialog, import dialog
# and message boxes) and saves a picture of every step into docs/screenshots.
#   scripts/viewer-menu-walk.sh [BUILD_DIR] [PICTURE_DIR]
# BUILD_DIR defaults to build/asan (configured as CI does), PICTURE_DIR to
# docs/screenshots. Exit status 1 when a load brought nothing in.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/asan}"
pictures="${2:-$root/docs/screenshots}"
"$root/scripts/setup-debian.sh"
export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DWELLDATA_SANITIZE=ON >/dev/null
fi
cmake --build "$build" -j2 --target viewer_menu_walk welldata_viewer >/dev/null

display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1400x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

# X and font libraries keep a few allocations for the process's life.
DISPLAY=":$display" QT_QPA_PLATFORM=xcb ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
    XDG_RUNTIME_DIR="$(mktemp -d)" \
    "$build/bin/viewer_menu_walk" "$root/samples" "$pictures"
