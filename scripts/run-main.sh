#!/usr/bin/env bash
# Sets up the machine, builds the library and loads the bundled samples.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup-debian.sh"
"$root/scripts/build.sh" build/release -DWELLDATA_BUILD_TESTS=OFF
"$root/build/release/tools/welldata_example_path" "$root/samples/well_path.txt"
