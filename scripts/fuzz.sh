#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, seeds their corpora and runs them.
#
#   scripts/fuzz.sh TARGET|all SECONDS
#
# TARGET is one of text_table, las, settings, well_path, roads. Each target runs for
# SECONDS; FUZZ_JOBS targets run at the same time (default 1). The corpora grow
# in build/fuzz/corpus/<target> across runs; seeds are copied afresh from the
# samples, tests/data and ../shared/las-corpus into build/fuzz/seeds/<target>.
# Prints the executions of every run and adds them to build/fuzz/executions.txt.
# Fails when a target reports a crash, hang, leak or sanitizer error; its input
# is then in build/fuzz/findings/.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
all_targets=(text_table las settings well_path roads)

usage() {
    echo "usage: $0 TARGET|all SECONDS (TARGET: ${all_targets[*]})" >&2
    exit 2
}
[ $# -eq 2 ] || usage
seconds="$2"
[[ "$seconds" =~ ^[0-9]+$ ]] || usage
if [ "$1" = all ]; then
    targets=("${all_targets[@]}")
elif [[ " ${all_targets[*]} " == *" $1 "* ]]; then
    targets=("$1")
else
    usage
fi
jobs="${FUZZ_JOBS:-1}"
build="$root/build/fuzz"
corpus_dir="$(cd "$root/.." && pwd)/shared/las-corpus"

"$root/scripts/setup-debian.sh" || exit 1

build_targets() {
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ \
        -DWELLDATA_BUILD_FUZZERS=ON -DWELLDATA_BUILD_TESTS=OFF -DWELLDATA_BUILD_GUI=OFF \
        >/dev/null || return 1
    local names=()
    for target in "${targets[@]}"; do names+=(--target "fuzz_$target"); done
    cmake --build "$build" -j 2 "${names[@]}" >"$build/build.log" 2>&1 || {
        tail -40 "$build/build.log" >&2
        return 1
    }
}

# Option bytes put in front of every seed file (hex), per target; see the
# runners in fuzz/runners for what they choose.
seed_prefixes() {
    case "$1" in
    text_table) echo 00 01 02 03 04 08 30 ;;
    las) echo 0000 0100 0200 0400 0800 1000 2022 ;;
    settings) echo 0b00 0bcc 0300 0900 0d14 ;;
    well_path) echo 020200000001ffff04ffff0203ff00000000 \
        0304000202ffffffffffff02030400000000 \
        0009020000010203ffffffffffff00000000 \
        0130000000ffffff040203ffffff00000000 \
        0460800000000102ffffffffffff0000c07f ;;
    # The loads of fuzz/runners/RoadsRunner.h, each on a setup that fits it.
    roads) echo 00000000000000000000000000000000 01020000000000000000000000000000 \
        02010000000000000000000000000000 03000000000000000000000000000000 \
        0f400000000000000000000000000000 04000001000000010203ffffffffff00 \
        040002010202ffffffff0001ffff0102 05400000000000010203ffffffffffff \
        06020000000000010203ffffffffff01 0702010300000001020300ffff01ff02 \
        08010000000000000000000000000000 09010000000000010203ffffffffff00 \
        0a010300000000010203ffffffffff00 0b010000020200000000000000000000 \
        0b012120000000000000000000000000 0c000007010100010203040506ffffff \
        0d000000000000010203ffffffffffff 0e000001000000010203ffffffffffff ;;
    esac
}

seed_sources() {
    case "$1" in
    text_table) find "$root/samples" "$root/tests/data" -name '*.txt' ;;
    las) find "$root/samples" "$root/tests/data" -name '*.las'
        [ -d "$corpus_dir" ] && find "$corpus_dir" -name '*.las' ;;
    settings) find "$root/samples" "$root/tests/data" -name '*.ini' ;;
    well_path) find "$root/samples" -name 'well_path.txt' -o -name 'well_log.*'
        find "$root/tests/data" -name '*path*' ;;
    roads) find "$root/samples" "$root/tests/data" -name '*.txt' -o -name '*.las'
        [ -d "$corpus_dir" ] && find "$corpus_dir" -name '*.las' ;;
    esac
}

seed() {
    local target="$1" seeds="$build/seeds/$1"
    rm -rf "$seeds"
    mkdir -p "$seeds" "$build/corpus/$target"
    local index=0
    while IFS= read -r source; do
        [ -f "$source" ] || continue
        index=$((index + 1))
        for prefix in $(seed_prefixes "$target"); do
            # shellcheck disable=SC2059
            { printf "$(sed 's/../\\x&/g' <<<"$prefix")"; cat "$source"; } \
                >"$seeds/$prefix-$index-$(basename "$source")"
        done
        # The UTF-16 roads of the text tables (option bits 4 and 5) read each
        # seed in UTF-16 too: little endian, and big endian with its mark.
        if [ "$target" = text_table ]; then
            { printf '\x10'; iconv -c -f GB18030 -t UTF-16LE "$source"; } \
                >"$seeds/10-$index-$(basename "$source")"
            { printf '\x20\xfe\xff'; iconv -c -f GB18030 -t UTF-16BE "$source"; } \
                >"$seeds/20-$index-$(basename "$source")"
        fi
    done < <(seed_sources "$target" | sort)
    # Inputs that once failed stay in the seeds, with their own option bytes.
    find "$root/tests/data/regressions" -name "$target-*" -exec cp {} "$seeds/" \; 2>/dev/null
    return 0
}

# Real settings files are a few kilobytes and every lookup reads the whole file,
# so the settings target gets shorter inputs (still past the 1024-character cut).
max_len() {
    if [ -n "${FUZZ_MAX_LEN:-}" ]; then echo "$FUZZ_MAX_LEN"; elif [ "$1" = settings ]; then
        echo 2048
    else echo 4096; fi
}

# The roads target reads both kinds of file: it takes both dictionaries.
dict_file() {
    if [ "$1" = roads ]; then
        cat "$root/fuzz/dict/text_table.dict" "$root/fuzz/dict/las.dict" >"$build/roads.dict"
        echo "$build/roads.dict"
    else
        echo "$root/fuzz/dict/$1.dict"
    fi
}

run_target() {
    local target="$1" log="$build/logs/$1.log"
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -dict="$(dict_file "$target")" -max_len="$(max_len "$target")" \
        -timeout="${FUZZ_TIMEOUT:-10}" -rss_limit_mb=2048 \
        -artifact_prefix="$build/findings/$target-" \
        "$build/corpus/$target" "$build/seeds/$target" >"$log" 2>&1
    local status=$?
    local executions
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    echo "$(date -u +%FT%TZ) $target $seconds ${executions:-0} exit=$status" \
        >>"$build/executions.txt"
    echo "$target: ${executions:-0} executions in $seconds s"
    if [ $status -ne 0 ]; then
        echo "$target: FINDING (exit $status); log $log; inputs in $build/findings/" >&2
        grep -E 'ERROR|SUMMARY|broken rule|runtime error|Test unit written' "$log" | head -20 >&2
        return 1
    fi
}

mkdir -p "$build/logs" "$build/findings"
build_targets || { echo "building the fuzz targets failed" >&2; exit 1; }
for target in "${targets[@]}"; do seed "$target"; done

failed=0
passed=0
pending=("${targets[@]}")
while [ ${#pending[@]} -gt 0 ]; do
    batch=("${pending[@]:0:$jobs}")
    pending=("${pending[@]:$jobs}")
    pids=()
    for target in "${batch[@]}"; do
        run_target "$target" &
        pids+=($!)
    done
    for pid in "${pids[@]}"; do
        if wait "$pid"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
    done
done

echo "executions so far (build/fuzz/executions.txt):"
awk '{total[$2] += $4} END {for (t in total) printf "  %-10s %d\n", t, total[t]}' \
    "$build/executions.txt" | sort
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
