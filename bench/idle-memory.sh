#!/usr/bin/env bash
# Memory of the idle window as a player starts it: the built shrink4 on a 1366 x 768 X
# display with a window manager and a fresh home, left alone until it settles, beside an
# empty Qt window on the same screen (shrink4_idle_counterpart). Each runs alone; the
# figures are the kernel's (smaps_rollup), in MB:
#   resident   every page in memory, shared libraries and the font included
#   PSS        the same with each shared page divided among the processes that map it
#   own        what is the program's alone: its heap, stacks and written pages
#   bench/idle-memory.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
runs=${2:-3}
# shellcheck source=SCRIPTDIR/../scripts/window-session.sh
source scripts/window-session.sh
ws_require_tools
work=$(mktemp -d)
trap 'ws_stop; rm -rf "$work"' EXIT
ws_start_display "$work"

# measure NAME TITLE PROGRAM: starts it in a fresh home, waits for its window and for it
# to settle, prints one line of figures and ends it.
measure() {
    local home="$work/home-$RANDOM"
    ws_fresh_home "$home"
    ws_start "${ws_app[@]}" "$3"
    ws_wait_window "$ws_pid" "$2" >/dev/null
    sleep 5 # the first live run, the first paints, Qt's idle timers
    awk -v name="$1" '
        /^Rss:/ { rss = $2 } /^Pss:/ { pss = $2 }
        /^Private_Dirty:/ { own = $2 }
        END { printf "%-22s resident %5.1f   PSS %5.1f   own %4.1f\n", name, rss / 1024, pss / 1024, own / 1024 }
    ' "/proc/$ws_pid/smaps_rollup"
    kill "$ws_pid"
    wait "$ws_pid" 2>/dev/null || true
}

for ((run = 1; run <= runs; ++run)); do
    measure "shrink4" "四星缩水" "$build/src/app/shrink4"
    measure "empty Qt window" "空窗口" "$build/bench/shrink4_idle_counterpart"
done
