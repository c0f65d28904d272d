#!/usr/bin/env bash
# install_test.sh BUILD_DIR REPORT_DIR: installs BUILD_DIR under a temporary DESTDIR with the
# prefix /usr, checks the installed files, validates the desktop entry and the metainfo, and runs
# the desktop entry's Exec line on a copy of the reports of REPORT_DIR (named like the folder).
# Exit status 77 (skipped) when the validators are not installed.
set -euo pipefail
build="$1"
reports="$2"
for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" > /dev/null; then
    echo "SKIPPED: $tool is missing (Debian packages desktop-file-utils and appstream)"
    exit 77
  fi
done
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

DESTDIR="$tmp/root" cmake --install "$build" --prefix /usr > "$tmp/install.log" || { cat "$tmp/install.log"; fail "cmake --install"; }
root="$tmp/root/usr"
id=io.github.orrery.Orrery
for f in bin/orrery bin/orrery-cli bin/orrery-gen \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/orrery.svg share/orrery/help/introduction.html; do
  [ -s "$root/$f" ] || fail "$f is not installed"
done
for f in bin/orrery bin/orrery-cli bin/orrery-gen; do [ -x "$root/$f" ] || fail "$f is not executable"; done
# The installed help is the set of pages the program has compiled in.
src="$(dirname "$0")/../../ui/help"
diff <(cd "$src" && ls) <(cd "$root/share/orrery/help" && ls) || fail "the installed help differs from ui/help"

desktop="$root/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
appstreamcli validate --no-net --strict "$root/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
grep -q '^Categories=.*Game;.*StrategyGame;' "$desktop" || fail "the entry is not listed under Games"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
[ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the entry's icon $icon is not installed"

# The Exec line as a file manager runs it: %f is the report the player opened.
exec_line="$(sed -n 's/^Exec=//p' "$desktop")"
case "$exec_line" in *%f*) ;; *) fail "Exec takes no file: $exec_line" ;; esac
mkdir -p "$tmp/game" "$tmp/cfg"
cp "$reports"/*.txt "$tmp/game/"
report="$tmp/game/$(basename "$reports")0.txt"
command="${exec_line//%f/$report}"
PATH="$root/bin:$PATH" XDG_CONFIG_HOME="$tmp/cfg" QT_QPA_PLATFORM=offscreen \
  timeout 60 $command --screenshot "$tmp/shot.png" || fail "$command did not start"
[ "$(head -c 8 "$tmp/shot.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "no picture written"
echo "installed, validated and started: $command"
