#!/usr/bin/env bash
# Builds and runs every test: the release build with the unit tests, the same tests under the
# address and undefined-behaviour sanitizers, and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"

echo "== release build and tests"
# The benchmarks are built and run by hand (see the README); the tests do not need them.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORRERY_BUILD_TESTS=ON -DORRERY_BUILD_BENCH=OFF > /dev/null
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

echo "== sanitizer build (address, undefined) and tests"
# -O1 with line tables only: the sanitizers' usual setting, with file and line in every report,
# and much quicker to compile than full debug information.
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORRERY_SANITIZE=ON \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DORRERY_BUILD_BENCH=OFF > /dev/null
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS=suppressions="$PWD/scripts/lsan.supp" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan --output-on-failure -j "$jobs"

echo "== the demo (its unity build and the picture of the demo game)"
bash scripts/demo.sh > /dev/null

echo "== fuzzing"
bash scripts/fuzz.sh
echo "== all tests passed"
