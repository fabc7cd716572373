#!/usr/bin/env bash
# The Windows build (./dev windows) checked under wine, in a wine prefix of its own:
#  1. the engine, scheme, command-line and tools suites, cross-built, pass;
#  2. shrink4-cli.exe gives the Linux build's output on the sample schemes, byte for byte
#     once CR LF is read as LF (draws saved by Notepad as UTF-16 or ANSI included);
#  3. shrink4.exe on an X display with a window manager, in a fresh profile: typed into,
#     resized, closed as its close box does; started again, its conditions, scheme and size
#     are back, and its files are under AppData; 打印 offers a PDF where there is no printer,
#     and 打印预览 opens;
#  4. the installer installs silently, the installed programs run, and the uninstaller
#     removes what it installed.
#   scripts/check-windows.sh [WINDOWS_BUILD_DIR [LINUX_BUILD_DIR]]
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
root=$PWD
win=$(realpath -m "${1:-build-windows}")
linux=$(realpath -m "${2:-build}")
# shellcheck source=SCRIPTDIR/window-session.sh
source scripts/window-session.sh
ws_require_tools || exit 1
command -v wine >/dev/null || { echo "No wine: ./dev windows installs it." >&2; exit 1; }
version=$(cat "$win/version.txt") || exit 1
deployed=$win/Shrink4
for f in "$deployed/shrink4.exe" "$win/Shrink4-$version-setup.exe" "$linux/src/app/shrink4-cli"; do
    [ -e "$f" ] || { echo "Missing $f: run ./dev windows and ./dev test first." >&2; exit 1; }
done

tmp=$(mktemp -d)
export WINEPREFIX=$tmp/wine WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
# The test programs find Qt's and the compiler's DLLs beside the deployed programs.
WINEPATH="Z:${deployed//\//\\}"
export WINEPATH
cleanup() {
    ws_stop
    wineserver -k 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fatal() {
    echo "FAIL: $1" >&2
    exit 1
}

ws_start_display "$tmp" || fatal "no X display with a window manager"
echo "A wine prefix of its own (a minute the first time)"
wine wineboot --init >/dev/null 2>&1
wineserver -w
profile=$WINEPREFIX/drive_c/users/${USER:-$(id -un)}
[ -d "$profile" ] || profile=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)

echo "1. The suites under wine"
for suite in shrink4_engine_tests shrink4_scheme_tests shrink4_cli_tests shrink4_tools_tests; do
    log=$tmp/$suite.log
    if wine "$win/tests/$suite.exe" --gtest_brief=1 >"$log" 2>&1; then
        echo "   $suite: $(grep -a 'PASSED' "$log" | tr -d '\r')"
    else
        tail -n 30 "$log" >&2
        ws_check "$suite failed under wine" false
    fi
done

echo "2. shrink4-cli.exe against the Linux build"
cd "$root/tests/windows/samples" || fatal "no samples"
# Output and exit status; standard output is a text stream on Windows (LF goes out as CR LF).
compare() {
    "$linux/src/app/shrink4-cli" "$@" >"$tmp/linux.out" 2>&1
    echo "exit $?" >>"$tmp/linux.out"
    wine "$deployed/shrink4-cli.exe" "$@" 2>&1 | sed 's/\r$//' >"$tmp/windows.out"
    echo "exit ${PIPESTATUS[0]}" >>"$tmp/windows.out"
    cmp -s "$tmp/linux.out" "$tmp/windows.out" || {
        diff "$tmp/linux.out" "$tmp/windows.out" | head -n 10 >&2
        return 1
    }
}
for args in "run empty.json" "run --json several.json" "stats several.json" "stats --json several.json" \
    "explain several.json 1234" "check several.json 1234" "group several.json" \
    "backtest backtest.json draws.txt" "backtest --json backtest.json draws.txt" \
    "backtest --json backtest.json draws-notepad-utf16.txt" "backtest --json backtest.json draws-notepad-ansi.txt" \
    "--version"; do
    # shellcheck disable=SC2086 # the arguments are words
    ws_check "shrink4-cli $args differs from the Linux build" compare $args
done
ws_check "a Notepad draws file gives another backtest" \
    cmp -s <(wine "$deployed/shrink4-cli.exe" backtest --json backtest.json draws.txt) \
    <(wine "$deployed/shrink4-cli.exe" backtest --json backtest.json draws-notepad-ansi.txt)
cd "$tmp" || fatal "no $tmp"

echo "3. The window, closed and started again"
name=四星缩水
settings=$profile/AppData/Roaming/shrink4/shrink4.ini
session=$profile/AppData/Local/shrink4/session.json
holds() { grep -Eq "$2" "$1" 2>/dev/null; }
# Wine names its windows' processes after itself: windows are found by title.
window_titled() { ws_wmctrl -l 2>/dev/null | awk -v text="$1" 'index($0, text) { print $1; exit }' | grep .; }
wait_window() { ws_until 60 window_titled "$1" >/dev/null && window_titled "$1"; }
window_gone() { ! ws_wmctrl -l 2>/dev/null | grep -q "^$1 "; }
close_and_wait() {
    ws_close "$2" || fatal "the window manager did not take the close of window $2"
    local status=0
    ws_wait_exit "$1" 60 || status=$?
    ws_check "shrink4.exe exited with status $status after a window manager close" test "$status" -eq 0
}
# 打印 and 打印预览 of a result (F5) with Qt Print Support deployed. Wine has no printer:
# 打印 offers a PDF (Windows' own print dialog, where there is a printer, is titled 打印 too);
# 打印预览 lays out the pages.
print_checks() {
    sleep 3 # the window takes keys a while after it shows
    ws_activate "$1" || fatal "the window cannot have the keyboard"
    ws_xdotool key F5
    sleep 2
    ws_xdotool key ctrl+p
    local asked
    asked=$(wait_window "打印") || { ws_check "Ctrl+P showed nothing" false; return; }
    ws_activate "$asked" && ws_xdotool key Escape
    ws_check "the 打印 window stayed after Escape" ws_until 15 window_gone "$asked"
    ws_activate "$1" || fatal "the window cannot have the keyboard"
    ws_xdotool key alt+f
    sleep 1
    ws_xdotool key v
    local preview
    preview=$(wait_window "打印预览") || { ws_check "方案 → 打印预览 showed nothing" false; return; }
    sleep 3
    [ -z "${SHRINK4_WINDOWS_SHOTS:-}" ] || import -window root "$SHRINK4_WINDOWS_SHOTS/preview.png"
    ws_close "$preview"
    ws_check "打印预览 did not close" ws_until 15 window_gone "$preview"
}
mkdir -p "$tmp/schemes"
printf '{"shrink4-scheme": 1, "controls": {"T_main_sha_2ma": "56"}}' >"$tmp/schemes/mine.json"
cd "$tmp/schemes" || fatal "no folder"
ws_start wine "$deployed/shrink4.exe" mine.json
app=$ws_pid
main=$(wait_window "mine.json - $name") || fatal "the window did not appear under wine"
# Wine shows the window before it takes keys.
sleep 3
ws_activate "$main" || fatal "the window cannot have the keyboard"
sleep 1
ws_xdotool type --delay 40 1234
ws_check "typing changed no condition" ws_until 15 ws_title_has "$main" "mine.json* - $name"
[ -z "${SHRINK4_WINDOWS_SHOTS:-}" ] || import -window root "$SHRINK4_WINDOWS_SHOTS/typed.png"
ws_xdotool windowsize "$main" 1100 620
ws_check "the window was not resized: $(ws_size "$main")" ws_until 10 ws_size_near "$main" 1100 620
close_and_wait "$app" "$main"
ws_check "no settings file $settings" test -f "$settings"
ws_check "the session does not hold the typed condition" holds "$session" '"T_main_shazhixuan": *"1234"'
ws_check "something was written to the registry's Software\\shrink4" \
    bash -c '! wine reg query "HKCU\\Software\\shrink4" >/dev/null 2>&1'

cd "$tmp" || fatal "no $tmp"
ws_start wine "$deployed/shrink4.exe"
app=$ws_pid
main=$(wait_window "$name") || fatal "the window did not appear on the second start"
ws_check "conditions and scheme did not come back: \"$(ws_title "$main")\"" \
    ws_until 15 ws_title_has "$main" "mine.json* - $name"
ws_check "the size did not come back: $(ws_size "$main")" ws_until 10 ws_size_near "$main" 1100 620
if [ -n "${SHRINK4_WINDOWS_SCREENSHOT:-}" ]; then
    sleep 2
    import -window root "$SHRINK4_WINDOWS_SCREENSHOT"
fi
print_checks "$main"
close_and_wait "$app" "$main"
ws_check "the condition was not kept again" holds "$session" '"T_main_shazhixuan": *"1234"'

echo "4. Install and uninstall, silently"
wine "$win/Shrink4-$version-setup.exe" /S '/D=C:\Shrink4Test'
wineserver -w
installed="$WINEPREFIX/drive_c/Shrink4Test"
link="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$name.lnk"
ws_check "nothing installed in $installed" test -f "$installed/shrink4.exe"
ws_check "no Start menu entry $link" test -f "$link"
ws_check "the installed shrink4-cli.exe does not run" \
    bash -c "wine '$installed/shrink4-cli.exe' --version | grep -q '$version'"
ws_check "no uninstall entry" bash -c "wine reg query 'HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Shrink4' >/dev/null"
wine "$installed/uninstall.exe" /S
# The uninstaller runs from a copy of itself and returns at once: wait for its end.
wineserver -w
ws_check "the uninstaller left $installed: $(ls "$installed" 2>/dev/null | tr '\n' ' ')" test ! -e "$installed"
ws_check "the uninstaller left the Start menu entry" test ! -e "$link"
ws_check "the uninstaller left its registry entry" \
    bash -c "! wine reg query 'HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Shrink4' >/dev/null 2>&1"
ws_check "the uninstall removed the player's conditions" test -f "$session"

if ((${#ws_failures[@]})); then
    printf '%d check(s) failed:\n' "${#ws_failures[@]}" >&2
    printf '  - %s\n' "${ws_failures[@]}" >&2
    exit 1
fi
echo "The Windows build passes under wine: suites, command line, window, installer."
