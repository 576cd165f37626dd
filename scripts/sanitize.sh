#!/usr/bin/env bash
# Builds the tests a second time with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer and runs the whole suite, window tests included,
# headless. Any leak or undefined behaviour fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

build=build-asan
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

# Leaks inside system libraries (fontconfig, Qt's own caches) are not ours;
# the suppressions name those libraries only. The options are exported before
# the build too, because test discovery runs the test programs.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORB_BUILD_TESTS=ON -DORB_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure -j2
