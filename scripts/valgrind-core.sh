#!/usr/bin/env bash
# Runs the core test programs (every test folder but the dialogs) once under
# valgrind's memcheck, on a build without sanitizers, and prints the number of
# errors memcheck reports for each and in all. Fails when there is any.
# scripts/valgrind.supp leaves out what glibc's own string routines cause;
# how many were left out is printed too.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="build/valgrind"
programs=(platform reader loaders settings interface robustness)

if ! command -v valgrind >/dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends valgrind \
        >/dev/null
fi
"$root/scripts/setup-debian.sh"
"$root/scripts/build.sh" "$build" -DWELLDATA_BUILD_GUI=OFF -DWELLDATA_SANITIZE=OFF

logs="$root/$build/valgrind-logs"
mkdir -p "$logs"
total=0
for program in "${programs[@]}"; do
    log="$logs/$program.log"
    # Leaks still reachable at exit (gtest's and iconv's own) are not errors.
    (cd "$root/$build/tests" && valgrind --tool=memcheck --leak-check=full \
        --suppressions="$root/scripts/valgrind.supp" \
        --errors-for-leak-kinds=definite,indirect --show-leak-kinds=definite,indirect \
        --log-file="$log" "./${program}_tests" --gtest_brief=1 >"$logs/$program.out" 2>&1) || {
        echo "$program: the tests failed under valgrind (see $logs/$program.out)" >&2
        total=$((total + 1))
    }
    errors=$(sed -n 's/.*ERROR SUMMARY: \([0-9]*\) errors.*/\1/p' "$log" | tail -1)
    suppressed=$(sed -n 's/.*(suppressed: \([0-9]*\) from.*/\1/p' "$log" | tail -1)
    echo "$program: ${errors:-?} memcheck errors (${suppressed:-0} suppressed)"
    total=$((total + ${errors:-1}))
done
echo "memcheck errors in all: $total"
[ "$total" -eq 0 ]
