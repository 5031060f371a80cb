#!/usr/bin/env bash
# Installs the built library into a scratch prefix, builds the host against the
# installed package only and runs it on the bundled samples.
# usage: run-package-test.sh BUILD_DIR HOST_SOURCE_DIR SAMPLES_DIR [CXX_FLAGS]
set -euo pipefail
build="$1"; host="$2"; samples="$3"; flags="${4:-}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
cmake -S "$host" -B "$scratch/host" -DCMAKE_PREFIX_PATH="$scratch/prefix" \
      -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$scratch/host" >/dev/null
"$scratch/host/welldata_host" "$samples" "$scratch"
