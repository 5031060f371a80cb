#!/usr/bin/env bash
# Builds the benchmarks, generates the files into a scratch folder (not in the
# source tree) and times every figure:
#   bench/run.sh [SCRATCH_DIR]        (default /tmp/welldata-bench, needs about 2.6 GB)
# 10 MB and 100 MB LAS files, a 100 MB wrapped LAS file, 100 MB well log, well
# path and well head tables, the previews of 1 GB files, and las-js on the LAS
# files when Node.js is there. Each figure is the best of three runs (previews of
# five). The build goes to build/bench of the source tree.
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

echo "| file | MB | figure | ok | seconds | MB/s | x baseline | peak MB | peak/size |"
echo "|---|---:|---|---|---:|---:|---:|---:|---:|"
las10=$(file las 10M las-10M.las)
las100=$(file las 100M las-100M.las)
run --repeat 3 las "$las10"
run --repeat 3 las "$las100"
run --repeat 3 las-wrapped "$(file las-wrapped 100M las-wrapped-100M.las)"
run --repeat 3 log-table "$(file log-table 100M log-100M.txt)"
run --repeat 3 path-table "$(file path-table 100M path-100M.txt)"
run --repeat 3 head-table "$(file head-table 100M head-100M.txt)"
run --repeat 5 --figures preview15 log-table "$(file log-table 1G log-1G.txt)"
run --repeat 5 --figures preview-las las "$(file las 1G las-1G.las)"

"$root/bench/peer/run.sh" "$scratch" "$las10" "$las100" >>"$tsv"
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
