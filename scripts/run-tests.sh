#!/usr/bin/env bash
# Sets up the machine, checks the formatting, builds everything with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test; then
# runs every fuzz target for a bounded time (WELLDATA_FUZZ_SECONDS each, 60 by
# default, 0 skips them), two at a time, failing on any finding.
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
fuzz_seconds="${WELLDATA_FUZZ_SECONDS:-60}"
if [ "$fuzz_seconds" != 0 ]; then
    FUZZ_JOBS="${FUZZ_JOBS:-2}" "$root/scripts/fuzz.sh" all "$fuzz_seconds"
fi
