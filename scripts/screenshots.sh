#!/usr/bin/env bash
# The pictures of every window in docs/screens: 1366x768 at 100 % and 150 %, and
# 1920x1080 at 100 %, rendered offscreen by the built shrink4_render_windows.
#   scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
for shot in 1366x768@1 1366x768@1.5 1920x1080@1; do
    screen=${shot%@*}
    scale=${shot#*@}
    out=docs/screens/$screen-$(awk "BEGIN{print $scale*100}")
    QT_QPA_PLATFORM="offscreen:configfile=$PWD/tests/gui/screens/$screen.json" QT_SCALE_FACTOR=$scale \
        "$build/tests/shrink4_render_windows" "$out"
done
