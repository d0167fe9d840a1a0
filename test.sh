#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under CTest: the program
# with its Qt front end, then (with clang) the core and its tests with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets of the file
# readers for a fixed number of runs.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
ensure_packages "${TAVOLORA_PACKAGES[@]}" "${TAVOLORA_TEST_PACKAGES[@]}"

jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure

CC=clang CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DTAVOLORA_WITH_QT=OFF -DTAVOLORA_BENCHMARKS=OFF -DTAVOLORA_SANITIZE=ON -DTAVOLORA_FUZZ=ON
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize -j "$jobs" --output-on-failure
