#!/usr/bin/env bash
# Builds Orrery, writes the demo game (twelve turns of the race Orion) into build/demo and opens
# it in the program. Without a display the program runs offscreen and saves a screenshot of its
# main window to build/demo/orrery.png instead; the last turn is also printed by orrery-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
# The program, orrery-cli and orrery-gen only, in a build folder of their own: the demo needs none
# of the tests and benchmarks, and a test build elsewhere is left as it is. A unity build compiles
# each library as one large file, so the Qt and standard headers are read a few times instead of
# once per source file; -O1 halves the optimiser's share of the time and is quick enough for the
# demo (the release build of the tests uses -O2).
bin="$PWD/build/demo-release"
cmake -S . -B "$bin" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORRERY_BUILD_TESTS=OFF -DORRERY_BUILD_BENCH=OFF \
  -DORRERY_BUILD_FUZZ=OFF -DORRERY_SANITIZE=OFF -DCMAKE_UNITY_BUILD=ON -DCMAKE_UNITY_BUILD_BATCH_SIZE=0 \
  -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG" > /dev/null
cmake --build "$bin" -j "$(nproc)" --target orrery orrery-cli orrery-gen
demo="$PWD/build/demo"
if [ ! -f "$demo/orion0.txt" ]; then
  mkdir -p "$demo"
  "$bin"/tools/orrery-gen demo "$demo" > /dev/null
fi
last="$(ls "$demo"/orion*.txt | sed 's/.*orion\([0-9]*\)\.txt/\1/' | sort -n | tail -1)"
"$bin"/cli/orrery-cli turn "$demo/orion$last.txt"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  "$bin"/app/orrery --quiet --open "$demo/orion0.txt"
else
  echo "No display: the main window is saved to $demo/orrery.png"
  QT_QPA_PLATFORM=offscreen "$bin"/app/orrery --screenshot "$demo/orrery.png" --open "$demo/orion0.txt"
fi
