#!/usr/bin/env bash
# Builds the viewer and runs every test: the normal build, the AddressSanitizer +
# UndefinedBehaviorSanitizer build, and each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
JOBS=$(nproc)
FUZZ_SECONDS=${FUZZ_SECONDS:-20}

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$JOBS"

# One clang tree with AddressSanitizer and UndefinedBehaviorSanitizer builds the tests and the
# fuzz targets alike, so the sanitized code is compiled once.
CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPANO_SANITIZE=ON -DPANO_FUZZ=ON \
  -DPANO_BENCH=OFF -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build build-asan -j"$JOBS"
for target in build-asan/fuzz_*; do
  [ -x "$target" ] || continue
  name=${target#build-asan/fuzz_}
  corpus=fuzz/corpus/${name%%_*}
  work=$(mktemp -d)
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  echo "== fuzzing $name for ${FUZZ_SECONDS}s"
  (cd build-asan && "./fuzz_$name" -max_total_time="$FUZZ_SECONDS" -print_final_stats=0 "$work" 2>&1 | tail -n 3)
  rm -rf "$work"
done

# Passing tests are not listed one by one; failures come with their whole output.
run_ctest() {
  ctest --test-dir "$1" --output-on-failure -j"$JOBS" 2>&1 |
    grep -vE '^ +Start +[0-9]+: |^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed +[0-9.]+ sec$'
}
echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=1 run_ctest build-asan
echo "== tests"
run_ctest build
