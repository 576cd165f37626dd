#!/usr/bin/env bash
# Set up, build in Release and start the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DORB_BUILD_TESTS=OFF -DORB_BUILD_BENCH=OFF >/dev/null
cmake --build build --target orbanelles
exec build/orbanelles
