#!/usr/bin/env bash
# The viewer program as a user starts it: --screenshot on a sample offscreen,
# a file it cannot read, a wrong option, and the same picture under a real X
# server (Xvfb) when one is installed.
# usage: run-viewer-command.sh VIEWER SAMPLES_DIR
set -euo pipefail
viewer="$1"; samples="$2"
scratch="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A PNG file of a whole window: its signature and a plausible size.
check_png() {
    [ -s "$1" ] || fail "no picture $1"
    [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "$1 is not a PNG"
    [ "$(stat -c %s "$1")" -gt 20000 ] || fail "$1 is too small to show a window"
}

export HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch"

QT_QPA_PLATFORM=offscreen "$viewer" --screenshot "$scratch/log.png" "$samples/well_log.las" \
    2>"$scratch/err" || fail "a sample: exit $? ($(cat "$scratch/err"))"
check_png "$scratch/log.png"

status=0
QT_QPA_PLATFORM=offscreen "$viewer" --lang en --screenshot "$scratch/missing.png" "$scratch/none.las" \
    2>"$scratch/err" || status=$?
[ "$status" = 1 ] || fail "a missing file: exit $status, not 1"
grep -q "none.las: no such file" "$scratch/err" || fail "a missing file: $(cat "$scratch/err")"
check_png "$scratch/missing.png"

status=0
QT_QPA_PLATFORM=offscreen "$viewer" --size 10 2>"$scratch/err" || status=$?
[ "$status" = 2 ] || fail "a wrong size: exit $status, not 2"

if ! command -v Xvfb >/dev/null; then
    echo "Xvfb is not installed: the X server run is skipped"
    exit 0
fi
# A display number nobody uses.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1400x900x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X$display" ] || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
# X and font libraries keep a few allocations for the process's life.
DISPLAY=":$display" QT_QPA_PLATFORM=xcb ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
    "$viewer" --screenshot "$scratch/x.png" "$samples/well_heads.txt" 2>"$scratch/err" ||
    fail "under Xvfb: exit $? ($(cat "$scratch/err"))"
check_png "$scratch/x.png"
echo "the viewer ran offscreen and under Xvfb"
