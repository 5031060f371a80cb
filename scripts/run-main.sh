#!/usr/bin/env bash
# Sets up the machine, builds the library and the welldata command, and loads
# every bundled sample with it. The log plot goes to build/release/samples-plot.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup-debian.sh"
echo "Building the library and the welldata command into build/release ..."
"$root/scripts/build.sh" build/release -DWELLDATA_BUILD_TESTS=OFF -DWELLDATA_BUILD_BENCH=OFF >/dev/null
welldata="$root/build/release/bin/welldata"
cd "$root"

run() {
    echo "\$ welldata $*"
    "$welldata" "$@"
    echo
}

run las samples/well_log.las --plot build/release/samples-plot.png
run las samples/well_log_wrapped.las samples/well_log_feet.las
run log samples/well_log.txt
run path samples/well_path.txt
run heads samples/well_heads.txt
run core-analysis samples/rock_core_analysis.txt
run core-describe samples/rock_core_describe.txt
run curve-name --display GR RT DEPT
echo "Log plot of samples/well_log.las: build/release/samples-plot.png"
