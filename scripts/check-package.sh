#!/usr/bin/env bash
# Checks the Debian package made by ./dev package: its desktop entry and AppStream data
# validate, it depends on the Qt libraries, and the programs unpacked into a temporary
# root run from there, the window on an X display of its own until a close ends it.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${SHRINK4_BUILD_DIR:-build}

deb=$(ls -t "$BUILD_DIR"/shrink4_*.deb | head -n 1)
version=$(dpkg-deb -f "$deb" Version)
root=$(mktemp -d)
session=$(mktemp -d)
# shellcheck source=SCRIPTDIR/window-session.sh
source scripts/window-session.sh
trap 'ws_stop; rm -rf "$root" "$session"' EXIT
dpkg-deb -x "$deb" "$root"
echo "Checking $deb"

desktop-file-validate "$root"/usr/share/applications/*.desktop
# --no-net: the home page and screenshots are on the web, which CI does not reach.
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
for lib in libqt6widgets6 libqt6network6; do
    dpkg-deb -f "$deb" Depends | grep -q "$lib" || { echo "Depends lacks the Qt library $lib" >&2; exit 1; }
done

cli="$root/usr/bin/shrink4-cli"
[ "$("$cli" --version)" = "shrink4-cli $version" ] || { echo "shrink4-cli --version is not $version" >&2; exit 1; }
[ "$("$root/usr/bin/shrink4" --version)" = "shrink4 $version" ] || { echo "shrink4 --version is not $version" >&2; exit 1; }
scheme='{"shrink4-scheme": 1, "controls": {"T_dadi_nb": "5678 1234 0000", "T_main_sha_2ma": "56"}}'
got=$(printf '%s' "$scheme" | "$cli" run -)
[ "$got" = $'0000\n1234' ] || { printf 'installed shrink4-cli run printed:\n%s\n' "$got" >&2; exit 1; }

# The installed window on a fresh account, closed as its close box closes it: it ends
# cleanly, with Qt's texts in Chinese and its settings under its own name.
ws_require_tools
ws_start_display "$session"
home="$session/home"
ws_fresh_home "$home"
help=$("${ws_app[@]}" "$root/usr/bin/shrink4" --help 2>&1)
grep -q '用法' <<<"$help" || { printf 'installed shrink4 --help is not in Chinese:\n%s\n' "$help" >&2; exit 1; }
ws_start "${ws_app[@]}" "$root/usr/bin/shrink4"
window=$(ws_wait_window "$ws_pid" 四星缩水 30)
ws_close "$window"
status=0
ws_wait_exit "$ws_pid" 30 || status=$?
[ "$status" -eq 0 ] || { echo "installed shrink4 exited with status $status after its window was closed" >&2; exit 1; }
[ -f "$home/.config/shrink4/shrink4.conf" ] || { echo "installed shrink4 wrote no ~/.config/shrink4/shrink4.conf" >&2; exit 1; }
[ ! -e "$home/.config/Unknown Organization" ] || { echo "installed shrink4 wrote ~/.config/Unknown Organization" >&2; exit 1; }
echo "Package $version: desktop entry and AppStream data valid, installed programs run, the window closes cleanly."
