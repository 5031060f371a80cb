#!/usr/bin/env bash
# Builds the benchmarks, generates the files into a scratch folder (never the
# source tree) and times every figure:
#   bench/run.sh [SCRATCH_DIR]        (default /tmp/welldata-bench)
# Every kind of file (LAS, wrapped LAS, well log, well path, well head, rock
# core analysis and description tables) at 10 MB, 100 MB and 1 GB, each figure
# the best of three runs against the baseline of the same run; the previews of
# 1 GB files; one 10 GB LAS file loaded by name (WELLDATA_BENCH_10G=0 leaves it
# out); las-js on the 10 MB and 100 MB LAS files when Node.js is there
# (WELLDATA_BENCH_PEER=0 leaves it out). The 1 GB files need about 7 GB of disk
# and are kept between runs; the 10 GB file is deleted after its run. The build
# goes to build/bench of the source tree.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
scratch="${1:-/tmp/welldata-bench}"
build="$root/build/bench"
mkdir -p "$scratch"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DWELLDATA_BUILD_GUI=OFF \
    -DWELLDATA_BUILD_TESTS=OFF -DWELLDATA_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target welldata_bench welldata_bench_generate >/dev/null
generate="$build/bench/welldata_bench_generate"
bench="$build/bench/welldata_bench"

# Files are generated once and kept: the generator writes the same bytes each time.
file() { # kind size name
    [ -s "$scratch/$3" ] || "$generate" "$1" "$2" "$scratch/$3"
    echo "$scratch/$3"
}

tsv="$scratch/results.tsv"
: >"$tsv"
run() { # bench arguments...
    "$bench" --tsv "$tsv" "$@" | sed 1,2d
}

kinds=(las las-wrapped log-table path-table head-table core-analysis core-describe)
suffix() { # kind
    case "$1" in
    las) echo las.las ;;
    las-wrapped) echo las-wrapped.las ;;
    *) echo "$1.txt" ;;
    esac
}

echo "| file | MB | figure | ok | seconds | MB/s | x baseline | peak MB | records MB | peak - records MB | peak/size |"
echo "|---|---:|---|---|---:|---:|---:|---:|---:|---:|---:|"
for size in 10M 100M 1G; do
    for kind in "${kinds[@]}"; do
        run --repeat 3 "$kind" "$(file "$kind" "$size" "$size-$(suffix "$kind")")"
    done
done
run --repeat 5 --figures preview15 log-table "$scratch/1G-log-table.txt"
run --repeat 5 --figures preview-las las "$scratch/1G-las.las"

if [ "${WELLDATA_BENCH_10G:-1}" != 0 ]; then
    big="$scratch/10G-las.las"
    "$generate" las 10G "$big"
    run --repeat 1 --figures readfile las "$big"
    rm -f "$big"
fi

if [ "${WELLDATA_BENCH_PEER:-1}" != 0 ]; then
    "$root/bench/peer/run.sh" "$scratch" "$scratch/10M-las.las" "$scratch/100M-las.las" >>"$tsv"
    echo
    echo "| file | baseline s | ReadFile s | las-js s | ReadFile / las-js | las-js peak MB |"
    echo "|---|---:|---:|---:|---:|---:|"
    awk -F'\t' '
        $3 == "baseline" { base[$1] = $5 }
        $3 == "readfile" { ours[$1] = $5 }
        $3 == "las-js" && $4 == 1 { peer[$1] = $5; peak[$1] = $6 }
        END {
            for (f in peer)
                printf "| %s | %.4f | %.4f | %.4f | %.2f | %.1f |\n",
                       f, base[f], ours[f], peer[f], ours[f] / peer[f], peak[f]
        }' "$tsv" | sort
fi
