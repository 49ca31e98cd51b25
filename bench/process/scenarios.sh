#!/bin/bash
# CPU of the real program in the situations a user leaves it in, under a private Xvfb: an empty
# board in full and in reduced detail, a busy board (a full table of entries, delays, links,
# icons), and the editor window open on it. Prints CPU as % of a core and per pass of the loop.
#
# Usage: scenarios.sh BIN_NUBO        SECONDS=10 per scenario
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../../tests/e2e/lib.sh"
e2e_binary "${1:-}"
SECONDS_EACH=${SECONDS:-10}
e2e_init
T=$(e2e_today)

# cpu_ticks PID: user + system clock ticks so far.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# measure NAME [SETUP...]: starts Nubo on the current data folder, runs SETUP (a function taking
# the window), then counts CPU over SECONDS_EACH.
measure() {
    local name=$1 setup=${2:-} t0 t1 c0 c1 hz delay
    e2e_start "$name" "$NUBO"
    e2e_find_window "$E2E_PID"
    e2e_wait_frame "$E2E_WIN"
    sleep 1
    [ -n "$setup" ] && "$setup" "$E2E_WIN"
    e2e_move "$E2E_WIN" 5 700
    sleep 1
    hz=$(getconf CLK_TCK)
    c0=$(cpu_ticks "$E2E_PID"); t0=$(e2e_now_ms)
    sleep "$SECONDS_EACH"
    c1=$(cpu_ticks "$E2E_PID"); t1=$(e2e_now_ms)
    delay=30
    [ -f "$E2E_DATA/details" ] && delay=60
    "$E2E_PY" -c "
cpu_ms = ($c1 - $c0) * 1000 / $hz; wall = $t1 - $t0
passes = wall / ($delay + cpu_ms / max(1, wall / $delay))
print('%-28s %5.1f %% of a core   %5.2f ms of CPU per pass (about %d passes)' % ('$name', 100 * cpu_ms / wall, cpu_ms / passes, passes))"
    e2e_close "$E2E_WIN"
    e2e_wait_exit "$E2E_PID" || e2e_fail "$name: nubo did not end"
}

# A board whose seventy entries fill the view: plain items, notes, stuff, overdue items with
# their delay marks (some flickering, so that frames differ), concluded items, links, icons and
# phone lines.
busy_sheet() {
    local data=() text=() i first state link
    for ((i = 0; i < 60; i++)); do
        first=$((T - 7 + (i * 5) % 14))
        state=$((1 + i % 3))
        ((i % 7 == 6)) && state=6
        link=-1
        ((i % 5 == 4)) && link=$((i - 1))
        # Some long overdue jobs, whose delay numbers flicker: the picture changes every pass.
        ((i % 10 == 9)) && first=$((T - 25)) && state=1
        data+=("$first|$((first + i % 4))|$((20 + (i * 37) % 660))|$state|$link|$((i % 11))|+39 055 12$i")
        text+=("Job number $i with a long description|second line|third|fourth line|")
    done
    mkdir -p "$E2E_DATA"
    e2e_write_lines "$E2E_DATA/data11.sch" "${data[@]}"
    e2e_write_lines "$E2E_DATA/datat11.sch" "${text[@]}"
}

open_editor() {   # right click on free space at the top left, ADD, into the description
    e2e_click "$1" 30 60 3; sleep 0.5
    e2e_click "$1" 50 60; sleep 0.6
    e2e_click "$1" 300 150; sleep 0.3
}

echo "CPU of nubo under Xvfb, $SECONDS_EACH s each, $(nproc) cores"
e2e_new_data; measure "empty board, full details"
e2e_new_data; mkdir -p "$E2E_DATA"; touch "$E2E_DATA/details"; measure "empty board, reduced details"
e2e_new_data; busy_sheet; measure "busy board, full details"
e2e_new_data; busy_sheet; touch "$E2E_DATA/details"; measure "busy board, reduced details"
e2e_new_data; busy_sheet; measure "editor open on a busy board" open_editor
