#!/usr/bin/env bash
# Builds the viewer and runs every test: the normal build, the AddressSanitizer +
# UndefinedBehaviorSanitizer build, and each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
JOBS=$(nproc)
FUZZ_SECONDS=${FUZZ_SECONDS:-30}

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$JOBS"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPANO_SANITIZE=ON -DPANO_BENCH=OFF
cmake --build build-asan -j"$JOBS"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPANO_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz -j"$JOBS"
for target in build-fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=${target#build-fuzz/fuzz_}
  corpus=fuzz/corpus/${name%%_*}
  work=$(mktemp -d)
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  echo "== fuzzing $name for ${FUZZ_SECONDS}s"
  (cd build-fuzz && "./fuzz_$name" -max_total_time="$FUZZ_SECONDS" -print_final_stats=0 "$work" 2>&1 | tail -n 3)
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
