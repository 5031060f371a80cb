#!/usr/bin/env bash
# Times las-js on LAS files: bench/peer/run.sh SCRATCH_DIR FILE...
# Installs las-js with npm into SCRATCH_DIR/peer (nothing is installed in the
# source tree) and prints one "file<TAB>MB<TAB>las-js<TAB>ok<TAB>seconds<TAB>peak MB"
# line per file, the benchmark's TSV layout.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
scratch="$1"
shift
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    echo "node or npm missing: las-js not timed" >&2
    exit 0
fi
mkdir -p "$scratch/peer"
cp "$here/package.json" "$here/las-js-time.js" "$scratch/peer/"
if [ ! -d "$scratch/peer/node_modules/las-js" ]; then
    (cd "$scratch/peer" && npm install --no-audit --no-fund --loglevel=error >/dev/null)
fi
for file in "$@"; do
    megabytes=$(awk -v b="$(stat -c %s "$file")" 'BEGIN { printf "%.1f", b / 1048576 }')
    # Best of three runs, as the benchmark's --repeat does.
    best=""
    peak=""
    for _ in 1 2 3; do
        if ! result=$(node --max-old-space-size=16384 "$scratch/peer/las-js-time.js" "$file"); then
            echo "las-js failed on $file" >&2
            continue
        fi
        seconds=${result%%$'\t'*}
        if [ -z "$best" ] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then
            best=$seconds
            peak=${result##*$'\t'}
        fi
    done
    if [ -n "$best" ]; then
        printf '%s\t%s\tlas-js\t1\t%s\t%s\n' "$(basename "$file")" "$megabytes" "$best" "$peak"
    else
        printf '%s\t%s\tlas-js\t0\t0\t0\n' "$(basename "$file")" "$megabytes"
    fi
done
