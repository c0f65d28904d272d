#!/usr/bin/env bash
# Regenerates the pictures of the help pages (ui/help/*.png) and of the README (docs/*.png) from
# the demo game, with the program's screenshot mode, offscreen.
#   scripts/screenshots.sh [BUILD_DIR]   (default build/demo-release, built here when missing)
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${1:-$PWD/build/demo-release}"
if [ ! -x "$bin/app/orrery" ] || [ ! -x "$bin/tools/orrery-gen" ]; then
  cmake -S . -B "$bin" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORRERY_BUILD_TESTS=OFF -DORRERY_BUILD_BENCH=OFF > /dev/null
  cmake --build "$bin" -j "$(nproc)" --target orrery orrery-gen
fi
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
"$bin/tools/orrery-gen" demo "$tmp/game" > /dev/null

# shot FILE [WINDOW]: the main window, or the window of that name over it, on a fresh start
# without a stored configuration (so every picture shows the same).
shot() {
  local file="$1" window="${2:-}"
  rm -rf "$tmp/cfg"
  XDG_CONFIG_HOME="$tmp/cfg" QT_QPA_PLATFORM=offscreen "$bin/app/orrery" --screenshot "$file" \
    ${window:+--show "$window"} --open "$tmp/game/orion0.txt"
}
shot docs/screenshot.png
shot docs/news.png news
shot docs/chart.png chart
shot docs/battle.png battle
shot docs/moveeditor.png move
cp docs/screenshot.png ui/help/main.png
for f in news chart battle moveeditor; do cp "docs/$f.png" "ui/help/$f.png"; done
ls -l docs/*.png ui/help/*.png
