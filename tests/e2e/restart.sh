#!/usr/bin/env bash
# The built window program as a player meets it, driven from outside: started in a fresh
# home under a window manager, typed into, resized, paged, given a past draw, closed with
# the window manager's close; then started again. What the first session left must be
# back in the second, and every file where the program's name puts it. Last, starts beside
# an open window hand it their scheme, or, when it is stopped, ask and open nothing.
#   restart.sh PATH/TO/shrink4
set -uo pipefail

bin=$(realpath "$1")
# shellcheck source=SCRIPTDIR/../../scripts/window-session.sh
source "$(dirname "$0")/../../scripts/window-session.sh"
ws_require_tools || exit 1

tmp=$(mktemp -d)
trap 'ws_stop; rm -rf "$tmp"' EXIT
trap 'exit 130' INT TERM

report() {
    if ((${#ws_failures[@]})); then
        printf '%d check(s) failed:\n' "${#ws_failures[@]}" >&2
        printf '  - %s\n' "${ws_failures[@]}" >&2
        return 1
    fi
    echo "The window keeps what a session leaves, across a close and a new start."
}
fatal() {
    ws_failures+=("$1")
    echo "FAIL: $1" >&2
    report
    exit 1
}
holds() { grep -Eq "$2" "$1" 2>/dev/null; }

# A first start on a clean account: nothing of the caller's reaches the program.
home=$tmp/home
mkdir -p "$tmp/schemes"
conf=$home/.config/shrink4/shrink4.conf
session=$home/.local/share/shrink4/session.json
draws=$home/.local/share/shrink4/draws.txt
name=四星缩水

ws_start_display "$tmp" || fatal "no X display with a window manager"
ws_fresh_home "$home"

# Qt's translations are installed before the command line is read.
help=$("${ws_app[@]}" "$bin" --help 2>&1)
ws_check "shrink4 --help is not in Chinese: $(head -n 1 <<<"$help")" grep -q '用法' <<<"$help"

# Opens 分析 → 历史回测 of process $1 by its keys and gives it the keyboard.
open_history() {
    ws_xdotool key alt+a h
    local window
    window=$(ws_wait_window "$1" 历史回测 15) && ws_activate "$window"
}

# Closes the window as its close box does and expects a clean exit.
close_and_wait() {
    ws_close "$2" || fatal "the window manager did not take the close of window $2"
    local status=0
    ws_wait_exit "$1" 30 || status=$?
    ((status != 124)) || fatal "shrink4 did not end after its window was closed"
    ws_check "shrink4 exited with status $status after a window manager close" test "$status" -eq 0
}

echo "First start, with a scheme named relative to the folder it starts in"
printf '{"shrink4-scheme": 1, "controls": {"T_main_sha_2ma": "56"}}' >"$tmp/schemes/mine.json"
cd "$tmp/schemes" || fatal "no folder $tmp/schemes"
ws_start "${ws_app[@]}" "$bin" mine.json
cd "$tmp" || fatal "no folder $tmp"
app=$ws_pid
main=$(ws_wait_window "$app" "$name") || fatal "the main window did not appear"
ws_check "the scheme on the command line is not the current one: \"$(ws_title "$main")\"" \
    ws_until 10 ws_title_has "$main" "mine.json - $name"
ws_activate "$main" || fatal "the main window cannot have the keyboard"
# Typed where the focus starts: the first condition box.
ws_xdotool type --delay 20 1234
ws_check "typing into the new window changed no condition (the focus is not in a condition box)" \
    ws_until 10 ws_title_has "$main" "mine.json* - $name"
ws_xdotool key ctrl+Tab
ws_xdotool windowsize "$main" 1100 620
ws_check "the window was not resized to 1100x620: $(ws_size "$main")" ws_until 10 ws_size_near "$main" 1100 620
open_history "$app" || fatal "分析 → 历史回测 did not open by its keys"
ws_xdotool type --delay 20 "2024001 1234"
ws_xdotool key alt+u
ws_check "the applied draw was not kept in $draws" ws_until 10 holds "$draws" '^2024001 1234$'
close_and_wait "$app" "$main"

ws_check "no settings file $conf" test -f "$conf"
stray=$(find "$home" -name 'Unknown Organization*')
ws_check "the program wrote under an unnamed organization: $stray" test -z "$stray"
ws_check "the session file does not hold the typed condition" holds "$session" '"T_main_shazhixuan": *"1234"'
ws_check "the settings do not hold the page shown (the second)" holds "$conf" '^page=1$'

echo "Second start, from another folder and without a scheme"
ws_start "${ws_app[@]}" "$bin"
app=$ws_pid
main=$(ws_wait_window "$app" "$name") || fatal "the main window did not appear on the second start"
ws_check "the scheme of the last session is not the current one: \"$(ws_title "$main")\"" \
    ws_until 10 ws_title_has "$main" "mine.json* - $name"
ws_check "the window is not back at 1100x620 but $(ws_size "$main")" ws_until 10 ws_size_near "$main" 1100 620
# A draw added after the kept one: both are kept only if the kept one was put back.
open_history "$app" || fatal "分析 → 历史回测 did not open on the second start"
ws_xdotool key ctrl+End Return
ws_xdotool type --delay 20 "2024002 5678"
ws_xdotool key alt+u
ws_check "the draw added on the second start was not kept" ws_until 10 holds "$draws" '^2024002 5678$'
ws_check "the kept draw was not put back: the draws file holds \"$({ tr '\n' '|' <"$draws"; } 2>/dev/null)\"" \
    holds "$draws" '^2024001 1234$'
close_and_wait "$app" "$main"
# Put back, they are written again on this close.
ws_check "the condition did not come back" holds "$session" '"T_main_shazhixuan": *"1234"'
ws_check "the page did not come back" holds "$conf" '^page=1$'

echo "Third start, and starts beside it"
printf '{"shrink4-scheme": 1, "controls": {"T_main_sha_2ma": "78"}}' >"$tmp/schemes/other.json"
ws_start "${ws_app[@]}" "$bin"
app=$ws_pid
main=$(ws_wait_window "$app" "$name") || fatal "the main window did not appear on the third start"
ws_start "${ws_app[@]}" "$bin" "$tmp/schemes/other.json"
status=0
ws_wait_exit "$ws_pid" 20 || status=$?
ws_check "a start beside the open window did not end with status 0 but $status" test "$status" -eq 0
ws_check "the open window did not take the scheme handed over: \"$(ws_title "$main")\"" \
    ws_until 10 ws_title_has "$main" "other.json - $name"
# Stopped, the open window cannot answer: the next start asks, and 取消 (Escape) ends it.
kill -STOP "$app"
kept=$(cksum <"$session")
ws_start "${ws_app[@]}" "$bin"
late=$ws_pid
question=$(ws_wait_window "$late" "四星缩水已在运行" 20)
if [ -n "$question" ] && ws_activate "$question"; then
    ws_xdotool key Escape
    status=0
    ws_wait_exit "$late" 20 || status=$?
    ws_check "the start answered 取消 did not end with status 0 but $status" test "$status" -eq 0
else
    ws_check "a start beside a stopped window asked nothing" false
fi
ws_check "a start beside a stopped window changed its session" test "$(cksum <"$session")" = "$kept"
kill -CONT "$app"
close_and_wait "$app" "$main"

report
