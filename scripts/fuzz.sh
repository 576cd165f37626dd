#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each for a while from its committed
# seed corpus. Any crash, leak or failed check fails the run.
# FUZZ_SECONDS sets the time per target (30 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh clang libclang-rt-14-dev

build=build-fuzz
seconds="${FUZZ_SECONDS:-30}"
targets=(fuzz_decimal_reader fuzz_number_round_trip fuzz_collection_reader)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DORB_BUILD_TESTS=OFF -DORB_BUILD_BENCH=OFF -DORB_BUILD_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}"

export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# New inputs go to a scratch corpus; the committed seeds are only read.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$build/artifacts"
for target in "${targets[@]}"; do
  seeds="tests/fuzz/corpus/${target#fuzz_}"
  mkdir -p "$work/$target"
  echo "== $target: ${seconds} s from $seeds"
  log="$work/$target.log"
  status=0
  "$build/tests/fuzz/$target" "$work/$target" "$seeds" \
    -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$build/artifacts/$target-" -print_final_stats=1 >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log" >&2
    echo "$target failed (exit $status); the input is in $build/artifacts/" >&2
    exit "$status"
  fi
  grep -E '^stat::(number_of_executed_units|new_units_added)' "$log" | tr '\n' ' '
  echo
done
