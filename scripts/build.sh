#!/usr/bin/env bash
# Configures and builds one flavour of the project: build.sh <dir> [cmake options...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"
shift
jobs="$(nproc 2>/dev/null || echo 2)"
cmake -S "$root" -B "$root/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$root/$dir" -j "$jobs"
