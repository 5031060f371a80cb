#!/usr/bin/env bash
# Sets up the machine, checks the formatting, builds everything with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup-debian.sh"
"$root/scripts/check-format.sh"
"$root/scripts/build.sh" build/asan -DCMAKE_BUILD_TYPE=Debug -DWELLDATA_SANITIZE=ON
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
cd "$root/build/asan"
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)"
