#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under CTest: the program
# with its Qt front end, then the core and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
ensure_packages "${TAVOLORA_PACKAGES[@]}"

jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DTAVOLORA_WITH_QT=OFF -DTAVOLORA_BENCHMARKS=OFF -DTAVOLORA_SANITIZE=ON
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize -j "$jobs" --output-on-failure
