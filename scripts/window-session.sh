# shellcheck shell=bash
# Drives the real window from outside, as a player's desktop does: a private X display
# with a window manager, windows found by their title, keys typed through the X server,
# and a close asked of the window manager, as the close box asks it. Sourced by the
# end-to-end test and by scripts/check-package.sh. The caller calls ws_stop from its EXIT
# trap; it ends only the processes started here.

ws_pids=()
ws_dir=""

ws_require_tools() {
    local tool missing=()
    for tool in Xvfb openbox wmctrl xdotool; do
        command -v "$tool" >/dev/null || missing+=("$tool")
    done
    if ((${#missing[@]})); then
        echo "Missing ${missing[*]}: ./dev installs them (xvfb openbox wmctrl xdotool)." >&2
        return 1
    fi
}

# The tools read window titles in UTF-8 whatever the caller's locale.
ws_wmctrl() { LC_ALL=C.UTF-8 wmctrl "$@"; }
ws_xdotool() { LC_ALL=C.UTF-8 xdotool "$@"; }

# ws_until SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds;
# fails once SECONDS have passed.
ws_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# ws_start_display DIR: a 1366 x 768 X display of its own (the commonest laptop screen) and
# openbox on it, which places, resizes and closes windows as desktops do (matchbox would
# stretch every window over the screen). Exports DISPLAY; logs go to DIR.
ws_start_display() {
    ws_dir=$1
    local number_file="$ws_dir/display"
    : >"$number_file"
    # Xvfb picks a free display itself and writes its number once it accepts clients.
    Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$number_file" 2>"$ws_dir/xvfb.log" &
    ws_pids+=($!)
    if ! ws_until 20 grep -q '[0-9]' "$number_file"; then
        echo "Xvfb did not start:" >&2
        cat "$ws_dir/xvfb.log" >&2
        return 1
    fi
    DISPLAY=":$(tr -dc '0-9' <"$number_file")"
    export DISPLAY
    # Its own home: nothing of the window manager's in the home folder under test.
    mkdir -p "$ws_dir/wm-home"
    env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME HOME="$ws_dir/wm-home" openbox --sm-disable >"$ws_dir/wm.log" 2>&1 &
    ws_pids+=($!)
    if ! ws_until 20 ws_wmctrl -m >/dev/null 2>&1; then
        echo "openbox did not start on $DISPLAY:" >&2
        cat "$ws_dir/wm.log" >&2
        return 1
    fi
}

# ws_fresh_home HOME: sets ws_app to the start of a command line that runs a program as on
# a fresh account: HOME its home, the XDG folders at their defaults under it, no session
# bus or scaling of the caller's, Qt on this X display.
ws_fresh_home() {
    mkdir -p "$1" "$ws_dir/runtime"
    chmod 700 "$ws_dir/runtime"
    # shellcheck disable=SC2034 # for the caller
    ws_app=(env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u XDG_STATE_HOME -u XDG_CONFIG_DIRS
        -u XDG_DATA_DIRS -u DBUS_SESSION_BUS_ADDRESS -u WAYLAND_DISPLAY -u QT_SCALE_FACTOR
        -u QT_SCREEN_SCALE_FACTORS HOME="$1" XDG_RUNTIME_DIR="$ws_dir/runtime" QT_QPA_PLATFORM=xcb)
}

# ws_start COMMAND...: starts COMMAND in the background; its process id is in ws_pid.
ws_start() {
    "$@" &
    # shellcheck disable=SC2034 # for the caller
    ws_pid=$!
    ws_pids+=("$ws_pid")
}

# ws_window PID TEXT: the id of a window of process PID whose title contains TEXT.
ws_window() {
    ws_wmctrl -lp 2>/dev/null | awk -v pid="$1" -v text="$2" '
        { title = $0; sub(/^[^ ]+ +[^ ]+ +[^ ]+ +[^ ]+ /, "", title) }
        $3 == pid && index(title, text) { print $1; exit }' | grep .
}

# ws_title ID: the window's title as the window manager shows it ("[*]" gone, or "*").
ws_title() {
    ws_wmctrl -l 2>/dev/null | awk -v id="$1" '
        $1 == id { sub(/^[^ ]+ +[^ ]+ +[^ ]+ /, ""); print; exit }'
}

# ws_wait_window PID TEXT [SECONDS]: prints the window's id once it is there.
ws_wait_window() {
    local deadline=$((SECONDS + ${3:-30}))
    until ws_window "$1" "$2"; do
        if ((SECONDS >= deadline)); then
            echo "No window of process $1 titled \"$2\" after ${3:-30} s; windows:" >&2
            ws_wmctrl -lp >&2
            return 1
        fi
        sleep 0.1
    done
}

# ws_title_has ID TEXT: the title contains TEXT.
ws_title_has() {
    local title
    title=$(ws_title "$1")
    [[ $title == *"$2"* ]]
}

# ws_activate ID: gives the window the keyboard, as a click on it does.
ws_activate() {
    timeout 10 env LC_ALL=C.UTF-8 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || {
        echo "Window $1 could not be activated" >&2
        return 1
    }
}

# ws_size ID: the window's inside size, WIDTHxHEIGHT.
ws_size() {
    ws_xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Geometry:/ { print $2 }'
}

# ws_size_near ID WIDTH HEIGHT: within a few pixels (frames and size increments).
ws_size_near() {
    local size w h
    size=$(ws_size "$1")
    w=${size%x*}
    h=${size#*x}
    [[ $w =~ ^[0-9]+$ && $h =~ ^[0-9]+$ ]] && ((w - $2 <= 4 && $2 - w <= 4 && h - $3 <= 4 && $3 - h <= 4))
}

# ws_close ID: asks the window manager to close the window, as its close box does.
ws_close() {
    ws_wmctrl -i -c "$1"
}

ws_gone() { ! kill -0 "$1" 2>/dev/null; }

# ws_wait_exit PID [SECONDS]: waits for the process to end and returns its exit status;
# 124 when it is still running after SECONDS.
ws_wait_exit() {
    if ! ws_until "${2:-30}" ws_gone "$1"; then
        echo "Process $1 still runs ${2:-30} s after its window was closed" >&2
        return 124
    fi
    local status=0
    wait "$1" || status=$?
    return "$status"
}

# Ends what was started here, newest first.
ws_stop() {
    local i pid
    for ((i = ${#ws_pids[@]} - 1; i >= 0; i--)); do
        pid=${ws_pids[i]}
        kill "$pid" 2>/dev/null || continue
        ws_until 5 ws_gone "$pid" || kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    ws_pids=()
}

# Checks that go on after a failure: ws_check WHAT COMMAND... records WHAT in ws_failures
# when COMMAND fails.
ws_failures=()
ws_check() {
    local what=$1
    shift
    "$@" || {
        ws_failures+=("$what")
        echo "FAIL: $what" >&2
    }
}
