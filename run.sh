#!/usr/bin/env bash
# Installs what is missing, builds the program in release mode with its pictures,
# and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
ensure_packages "${TAVOLORA_PACKAGES[@]}"

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTAVOLORA_BENCHMARKS=OFF
cmake --build build-release -j "$(nproc)"
exec build-release/bin/tavolora "$@"
