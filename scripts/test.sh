#!/usr/bin/env bash
# Set up, build and run the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=Release -DORB_BUILD_TESTS=ON -DORB_BUILD_BENCH=ON >/dev/null
cmake --build build-tests
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-tests --output-on-failure -j2
