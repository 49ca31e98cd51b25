# shellcheck shell=bash
# End-to-end helpers: drive the real nubo binary under a private Xvfb like a user would.
# Sourced by tests/e2e/test_*.sh and bench/process/measure.sh; needs bash 5.
#
#   source "$(dirname "$0")/lib.sh"
#   e2e_init                              # private X server, temporary HOME and data folders
#   e2e_start app "$NUBO"                 # -> E2E_PID
#   e2e_find_window "$E2E_PID"            # -> E2E_WIN (shown, with Nubo's title)
#   e2e_wait_frame "$E2E_WIN"
#   e2e_click "$E2E_WIN" 650 300; e2e_key "$E2E_WIN" F2; e2e_type "$E2E_WIN" "Café"
#   e2e_close "$E2E_WIN"; e2e_wait_exit "$E2E_PID" || e2e_fail "nubo did not end"; [ "$E2E_RC" = 0 ]
#
# Conventions:
# - Coordinates are window-relative pixels (no window manager runs: SDL centers the window, so the
#   screen origin is not the window's).
# - Functions that find or wait for something set an E2E_* variable and call e2e_fail themselves
#   when it never comes, so call them directly, never inside $(...) (a subshell cannot end the test
#   nor keep track of processes). Functions that only read something print it and may be captured.
# - Every wait is a poll with a ceiling of E2E_TIMEOUT seconds (20 by default) unless given one.
# - Only processes started here are ever stopped: the apps by their PIDs and our own Xvfb. Other
#   X servers on the machine are left alone (-displayfd picks a free display).
# - On failure the work folder (logs, screenshots, data) is kept and its path printed; set
#   E2E_KEEP=1 to keep it always.

[ -n "${E2E_LIB_LOADED:-}" ] && return 0
E2E_LIB_LOADED=1

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_PY=/usr/bin/python3                    # the pyenv shim on PATH costs ~0.3 s per start
[ -x "$E2E_PY" ] || E2E_PY=python3
E2E_TIMEOUT=${E2E_TIMEOUT:-20}
E2E_TITLE="Nubo! (build:308)$(printf '%45s' '')press F1-F2-F3 to change sheet"
E2E_TITLE_RE='^Nubo! \(build:308\) {45}press F1-F2-F3 to change sheet$'   # xdotool takes an ERE
E2E_PIDS=()            # apps started by e2e_start, stopped by the cleanup if still running
declare -A E2E_NAMES   # pid -> name given to e2e_start (names its log files)
E2E_XVFB_PID=
E2E_FAILED=0
E2E_DATA_N=0
# Keycodes free on Xvfb's keymap and unknown to SDL, for binding non-ASCII characters; a few
# more free ones are left for xdotool's own scratch use.
E2E_FREE_KEYCODES=(103 120 149 154 168 178 183 184 202 217)
declare -A E2E_BOUND   # character -> keycode it is bound to

# ---- reporting ---------------------------------------------------------------------------------

e2e_step() { printf '== %s\n' "$*"; }            # progress line, shown by ctest --output-on-failure
e2e_note() { printf '   %s\n' "$*"; }

# Ends the test: prints the reason and the tail of every app's logs, keeps the work folder.
e2e_fail() {
    E2E_FAILED=1
    printf 'FAIL: %s\n' "$*"
    local pid name f
    for pid in "${E2E_PIDS[@]}"; do
        name=${E2E_NAMES[$pid]}
        for f in "$E2E_WORK/$name.out" "$E2E_WORK/$name.err"; do
            [ -s "$f" ] && { printf -- '--- %s (last lines)\n' "${f##*/}"; tail -n 15 "$f"; }
        done
    done
    exit 1
}

# e2e_check DESCRIPTION COMMAND...: runs the command, fails the test with DESCRIPTION if it fails.
e2e_check() {
    local what=$1; shift
    "$@" || e2e_fail "$what"
}

e2e_require() {   # e2e_require TOOL...: fail early and say which Debian package is missing
    local t
    declare -A pkg=([Xvfb]=xvfb [xdotool]=xdotool [xclip]=xclip [xmodmap]=x11-xserver-utils
                    [import]=imagemagick [xwininfo]=x11-utils)
    for t in "$@"; do
        command -v "$t" >/dev/null || e2e_fail "$t is not installed (Debian package ${pkg[$t]:-?})"
    done
}

# ---- time --------------------------------------------------------------------------------------

e2e_now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }
_e2e_deadline() { local t=${EPOCHREALTIME/./}; E2E_DEADLINE=$((t + ${1:-$E2E_TIMEOUT} * 1000000)); }
_e2e_in_time() { local t=${EPOCHREALTIME/./}; ((t < E2E_DEADLINE)); }

# ---- set-up and clean-up -----------------------------------------------------------------------

# e2e_binary PATH: the nubo binary a test was given, as an absolute path in NUBO.
e2e_binary() {
    [ -n "${1:-}" ] || { echo "usage: ${0##*/} PATH_TO_NUBO"; exit 2; }
    [ -x "$1" ] || { echo "FAIL: $1 is not an executable file"; exit 1; }
    NUBO=$(realpath "$1")
}

# e2e_today: today's day number as Nubo counts days (day 0 is Sunday 31 December 2017).
e2e_today() { echo $(( ($(date -u -d "$(date +%F)" +%s) - $(date -u -d 2017-12-31 +%s)) / 86400 )); }

# Starts a private Xvfb (1920x1080x24, larger than any Nubo window) and points every per-user
# folder into a fresh work folder, so no test sees the machine's or another test's files.
e2e_init() {
    e2e_require Xvfb xdotool xclip xmodmap import xwininfo
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/nubo-e2e.XXXXXX")
    trap _e2e_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    unset LC_ALL LC_CTYPE LANGUAGE
    export LANG=C.UTF-8                        # xdotool type (and e2e_type here) need UTF-8
    export SDL_VIDEODRIVER=x11                 # no X server => an error, not SDL's silent 'offscreen'
    export SDL_AUDIODRIVER=dummy               # no sound card here
    export DBUS_SESSION_BUS_ADDRESS=disabled:  # no dbus-launch per display
    export HOME=$E2E_WORK/home XDG_CONFIG_HOME=$E2E_WORK/config XDG_CACHE_HOME=$E2E_WORK/cache
    unset WAYLAND_DISPLAY XAUTHORITY
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$E2E_WORK/bin"
    e2e_new_data
    # SDL_OpenURL runs "xdg-open URL" found on PATH: this one only records the URL.
    export E2E_URL_LOG=$E2E_WORK/urls.txt
    : > "$E2E_URL_LOG"
    printf '#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\n' "$E2E_URL_LOG" > "$E2E_WORK/bin/xdg-open"
    chmod +x "$E2E_WORK/bin/xdg-open"

    # -displayfd: the server picks a free display and writes its number; -noreset keeps the
    # keymap changes of e2e_type when the last client disconnects.
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset \
        3>"$E2E_WORK/display" >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    _e2e_deadline 10
    while [ ! -s "$E2E_WORK/display" ] && _e2e_in_time; do
        kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    [ -s "$E2E_WORK/display" ] || { tail -n 5 "$E2E_WORK/xvfb.log"; e2e_fail "Xvfb did not start"; }
    export DISPLAY=":$(tr -d '\n' < "$E2E_WORK/display")"
}

# A new empty XDG_DATA_HOME: the app will make Nubo-data in it. Sets E2E_DATA to that folder.
e2e_new_data() {
    E2E_DATA_N=$((E2E_DATA_N + 1))
    export XDG_DATA_HOME=$E2E_WORK/data$E2E_DATA_N
    mkdir -p "$XDG_DATA_HOME"
    E2E_DATA=$XDG_DATA_HOME/Nubo-data
}

_e2e_cleanup() {
    local rc=$? pid
    trap - EXIT
    for pid in "${E2E_PIDS[@]}"; do
        e2e_running "$pid" && kill -TERM "$pid" 2>/dev/null
    done
    _e2e_deadline 3
    for pid in "${E2E_PIDS[@]}"; do
        while e2e_running "$pid" && _e2e_in_time; do sleep 0.05; done
        e2e_running "$pid" && kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    if [ -n "$E2E_XVFB_PID" ]; then
        kill -TERM "$E2E_XVFB_PID" 2>/dev/null   # also ends any xclip still serving a selection
        wait "$E2E_XVFB_PID" 2>/dev/null
    fi
    if [ "$rc" != 0 ] || [ "$E2E_FAILED" = 1 ] || [ "${E2E_KEEP:-0}" = 1 ]; then
        echo "e2e work folder kept: $E2E_WORK"
    else
        rm -rf "$E2E_WORK"
    fi
    exit "$rc"
}

# ---- processes ---------------------------------------------------------------------------------

# e2e_start NAME BINARY [ARGS...]: starts the app with the fake xdg-open first on PATH, stdout and
# stderr in $E2E_WORK/NAME.out / NAME.err. Sets E2E_PID.
e2e_start() {
    local name=$1; shift
    PATH="$E2E_WORK/bin:$PATH" "$@" > "$E2E_WORK/$name.out" 2> "$E2E_WORK/$name.err" < /dev/null &
    E2E_PID=$!
    E2E_PIDS+=("$E2E_PID")
    E2E_NAMES[$E2E_PID]=$name
}

# True while the process runs (a child that has ended but not been waited for is a zombie: not
# running, although kill -0 still finds it).
e2e_running() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [ "${stat:0:1}" != Z ]
}

# e2e_wait_exit PID [SECONDS]: waits for an app of e2e_start to end; sets E2E_RC to its exit status (a signal
# N gives 128+N). Returns 1, with E2E_RC=timeout, if it is still running at the ceiling.
e2e_wait_exit() {
    _e2e_deadline "${2:-$E2E_TIMEOUT}"
    while e2e_running "$1" && _e2e_in_time; do sleep 0.05; done
    if e2e_running "$1"; then E2E_RC=timeout; return 1; fi
    wait "$1"
    E2E_RC=$?
    return 0
}

# ---- windows and pixels ------------------------------------------------------------------------

# e2e_find_window PID [SECONDS]: waits until the app shows a window titled exactly E2E_TITLE;
# sets E2E_WIN (decimal id). Nubo shows its window with its first frame. The PID matters: a
# second copy shows a window with the same title.
e2e_find_window() {
    local pid=$1 w
    _e2e_deadline "${2:-$E2E_TIMEOUT}"
    E2E_WIN=
    while _e2e_in_time; do
        for w in $(xdotool search --onlyvisible --pid "$pid" --name "$E2E_TITLE_RE" 2>/dev/null); do
            [ "$(xdotool getwindowname "$w")" = "$E2E_TITLE" ] && { E2E_WIN=$w; return 0; }
        done
        e2e_running "$pid" || e2e_fail "${E2E_NAMES[$pid]:-$pid} ended before showing its window"
        sleep 0.05
    done
    local seen
    seen=$(xdotool search --onlyvisible --pid "$pid" --name . 2>/dev/null |
           while read -r w; do printf '"%s" ' "$(xdotool getwindowname "$w")"; done)
    e2e_fail "no window titled \"$E2E_TITLE\" from ${E2E_NAMES[$pid]:-$pid} within ${2:-$E2E_TIMEOUT} s (its shown windows: ${seen:-none})"
}

e2e_title() { xdotool getwindowname "$1"; }

# e2e_window_size WIN: prints "WIDTHxHEIGHT" of the window's drawing area (no decorations here).
e2e_window_size() {
    xwininfo -id "$1" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w "x" h}'
}

# e2e_shot WIN FILE: screenshot of the window; FILE ending in .ppm is 8-bit binary PPM (for
# e2e_ppm_pixels), anything else is written as PNG (to look at).
e2e_shot() {
    case $2 in
        *.ppm) import -window "$1" -depth 8 "ppm:$2" ;;
        *) import -window "$1" "PNG24:$2" ;;
    esac
}

# e2e_ppm_pixels FILE X,Y...: prints "R G B" per point, in order. Reads many pixels at the cost of
# one screenshot.
e2e_ppm_pixels() { "$E2E_PY" "$E2E_DIR/xwin.py" ppm "$@"; }

# e2e_pixel WIN X Y: prints "R G B" of one window pixel (~80 ms a call: prefer e2e_shot for many).
e2e_pixel() { import -window "$1" -crop "1x1+$2+$3" -depth 8 rgb:- | od -An -tu1 | xargs; }

# e2e_wait_frame WIN [SECONDS]: waits until the window shows anything but black (it is black
# until the first frame reaches it). Leaves that frame in $E2E_WORK/frame.ppm.
e2e_wait_frame() {
    _e2e_deadline "${2:-$E2E_TIMEOUT}"
    while _e2e_in_time; do
        if e2e_shot "$1" "$E2E_WORK/frame.ppm" 2>/dev/null &&
           "$E2E_PY" "$E2E_DIR/xwin.py" nonblack "$E2E_WORK/frame.ppm"; then
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "window $1 still black after ${2:-$E2E_TIMEOUT} s: no frame was shown"
}

# e2e_wait_pixel WIN X Y "R G B" [SECONDS]: waits until that pixel has that colour.
e2e_wait_pixel() {
    local got
    _e2e_deadline "${5:-$E2E_TIMEOUT}"
    while _e2e_in_time; do
        got=$(e2e_pixel "$1" "$2" "$3" 2>/dev/null)
        [ "$got" = "$4" ] && return 0
        sleep 0.1
    done
    e2e_fail "pixel ($2,$3) is \"$got\", expected \"$4\" within ${5:-$E2E_TIMEOUT} s"
}

# ---- input -------------------------------------------------------------------------------------
# Without a window manager SDL takes the input focus when its window is mapped; e2e_key and
# e2e_type give it back to WIN first, since a second window may have taken it.

e2e_move() { xdotool mousemove --window "$1" "$2" "$3"; }

# e2e_click WIN X Y [BUTTON]: 1 left, 2 middle, 3 right. Two presses at one spot within 500 ms
# make an SDL double click, also across calls: space single clicks out or move in between.
e2e_click() { xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"; }

# e2e_drag WIN X1 Y1 X2 Y2: left button held from the first point to the second.
e2e_drag() {
    xdotool mousemove --window "$1" "$2" "$3" mousedown 1 sleep 0.1 \
        mousemove --window "$1" "$4" "$5" sleep 0.1 mouseup 1
}

# e2e_wheel WIN X Y up|down [STEPS]: wheel steps with the pointer at X,Y (up = +1 each in SDL).
e2e_wheel() {
    local b=4
    [ "$4" = down ] && b=5
    xdotool mousemove --window "$1" "$2" "$3" click --repeat "${5:-1}" --delay 50 "$b"
}

# e2e_key WIN KEY...: X keysyms, e.g. Left Right Up Down Insert Delete F1 F2 F3 BackSpace Return
# ctrl+v.
e2e_key() {
    local w=$1; shift
    xdotool windowfocus "$w" key --delay 40 "$@"
}

# e2e_type WIN TEXT: types UTF-8 text. Each non-ASCII character is bound to a free keycode first:
# xdotool's own remapping is too late for SDL and loses most of them.
e2e_type() {
    local w=$1 text=$2 c cp i n
    for ((i = 0; i < ${#text}; i++)); do
        c=${text:i:1}
        printf -v cp '%d' "'$c"
        ((cp > 126)) || continue
        [ -n "${E2E_BOUND[$c]:-}" ] && continue
        n=${#E2E_BOUND[@]}
        ((n < ${#E2E_FREE_KEYCODES[@]})) || e2e_fail "e2e_type: more than ${#E2E_FREE_KEYCODES[@]} distinct non-ASCII characters"
        printf -v cp 'U%04X' "$cp"
        xmodmap -e "keycode ${E2E_FREE_KEYCODES[$n]} = $cp" || e2e_fail "xmodmap could not bind $c"
        E2E_BOUND[$c]=${E2E_FREE_KEYCODES[$n]}
    done
    xdotool windowfocus "$w" type --delay 30 -- "$text"
}

# ---- clipboard and browser ---------------------------------------------------------------------
# The app owns its clipboard text only while it runs (no clipboard manager): read it before closing.

e2e_clip_get() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }

# xclip forks and serves the text until another client takes the selection or X ends.
e2e_clip_set() { printf '%s' "$1" | xclip -i -selection clipboard >/dev/null 2>&1; }

e2e_urls() { cat "$E2E_URL_LOG"; }   # addresses the app asked the browser to open, one a line

# e2e_wait_url [SECONDS]: waits until an address has been opened (xdg-open runs detached).
e2e_wait_url() {
    _e2e_deadline "${1:-$E2E_TIMEOUT}"
    while [ ! -s "$E2E_URL_LOG" ] && _e2e_in_time; do sleep 0.1; done
    [ -s "$E2E_URL_LOG" ] || e2e_fail "no address was opened within ${1:-$E2E_TIMEOUT} s"
}

# ---- closing -----------------------------------------------------------------------------------

# e2e_close WIN: what the title bar's close button does (WM_DELETE_WINDOW); the app then runs its
# shut-down. Use e2e_wait_exit for the result.
e2e_close() { "$E2E_PY" "$E2E_DIR/xwin.py" close "$1"; }

# ---- files -------------------------------------------------------------------------------------

# e2e_write_lines FILE LINE...: each line followed by CR LF, bytes as given ($'\xe9' is one byte).
e2e_write_lines() {
    local f=$1; shift
    mkdir -p "$(dirname "$f")"
    : > "$f"
    local l
    for l in "$@"; do printf '%s\r\n' "$l" >> "$f"; done
}

# e2e_same_bytes WHAT EXPECTED ACTUAL: fails with both contents shown unless the files are equal.
e2e_same_bytes() {
    [ -f "$3" ] || e2e_fail "$1: ${3##*/} does not exist"
    cmp -s "$2" "$3" && return 0
    printf -- '--- expected %s\n' "${2##*/}"; od -c "$2" | head -n 20
    printf -- '--- actual %s\n' "${3##*/}"; od -c "$3" | head -n 20
    e2e_fail "$1: ${3##*/} differs from what it should hold"
}
