#!/usr/bin/env bash
# Checks the Debian package made by ./dev package: its desktop entry and AppStream data
# validate, it depends on the Qt libraries, and the programs unpacked into a temporary
# root run from there.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${SHRINK4_BUILD_DIR:-build}

deb=$(ls -t "$BUILD_DIR"/shrink4_*.deb | head -n 1)
version=$(dpkg-deb -f "$deb" Version)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
echo "Checking $deb"

desktop-file-validate "$root"/usr/share/applications/*.desktop
# --no-net: the home page and screenshots are on the web, which CI does not reach.
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "Depends lacks the Qt libraries" >&2; exit 1; }

cli="$root/usr/bin/shrink4-cli"
[ "$("$cli" --version)" = "shrink4-cli $version" ] || { echo "shrink4-cli --version is not $version" >&2; exit 1; }
[ "$("$root/usr/bin/shrink4" --version)" = "shrink4 $version" ] || { echo "shrink4 --version is not $version" >&2; exit 1; }
scheme='{"shrink4-scheme": 1, "controls": {"T_dadi_nb": "5678 1234 0000", "T_main_sha_2ma": "56"}}'
got=$(printf '%s' "$scheme" | "$cli" run -)
[ "$got" = $'0000\n1234' ] || { printf 'installed shrink4-cli run printed:\n%s\n' "$got" >&2; exit 1; }
echo "Package $version: desktop entry and AppStream data valid, installed programs run."
