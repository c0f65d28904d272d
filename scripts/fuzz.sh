#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded random run (FUZZ_SECONDS, default
# 10) that starts by running every input of its kept corpus (fuzz/corpus/<target>: the minimised
# inputs of long runs, every earlier finding among them), the test data and the real reports.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-10}"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORRERY_BUILD_FUZZ=ON -DORRERY_BUILD_TESTS=OFF -DORRERY_BUILD_BENCH=OFF -DORRERY_BUILD_GUI=OFF > /dev/null
cmake --build build/fuzz
while read -r target; do
  [ -n "$target" ] || continue
  seeds="build/fuzz/seeds/$target"
  mkdir -p "$seeds"
  if [ -d "fuzz/seeds/$target" ]; then cp -r "fuzz/seeds/$target/." "$seeds/"; fi
  if [ -d "fuzz/corpus/$target" ]; then cp -r "fuzz/corpus/$target/." "$seeds/"; fi
  # Real files make the best seeds when the shared corpus is there.
  corpus="../shared/corpus"
  if [ -d "$corpus" ]; then
    case "$target" in
      fuzz_report) cp "$corpus"/gng-game1/alpha/alpha1[0-5].txt "$corpus"/samples/gng-clash-koniba/turn10.txt "$seeds/" 2>/dev/null || true ;;
      fuzz_move) cp "$corpus"/samples/gng-daily8-farmers/orders1*.txt "$seeds/" 2>/dev/null || true ;;
    esac
  fi
  echo "== $target: $seconds s"
  "build/fuzz/fuzz/$target" -max_total_time="$seconds" -max_len=200000 -rss_limit_mb=2048 \
    -print_final_stats=0 "$seeds" 2>&1 | tail -n 3
done < build/fuzz/fuzzers.txt
