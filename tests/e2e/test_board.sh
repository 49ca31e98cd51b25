#!/bin/bash
# The board as a user first sees it: a prepared sheet 1 of items around today is drawn with its
# top bar, weekend and today columns and coloured boxes, in the dark and the light theme.
# Usage: test_board.sh PATH_TO_NUBO
source "$(dirname "$0")/lib.sh"
e2e_binary "${1:-}"
e2e_init

# Today's day number (day 0 is Sunday 31 December 2017) and weekday, as Nubo computes them.
T=$(e2e_today)
first=$((T - 6))
weekend=
for k in 0 1 2 3 4 5 7 8 9 10 11; do
    wd=$(( (first + k) % 7 ))
    if [ "$wd" = 0 ] || [ "$wd" = 6 ]; then weekend=$k; break; fi
done

# A plain job today, a note, a stuff item, an overdue job with a phone line, a concluded job and
# an item linked to it with an icon.
e2e_new_data
mkdir -p "$E2E_DATA"
e2e_write_lines "$E2E_DATA/data11.sch" \
    "$T|$T|300|1|-1|0|" \
    "$((T + 1))|$((T + 2))|100|2|-1|0|" \
    "$((T + 3))|$((T + 4))|200|3|-1|0|" \
    "$((T - 8))|$((T - 5))|450|1|-1|0|555 0100" \
    "$((T + 1))|$((T + 1))|560|6|-1|0|" \
    "$((T + 3))|$((T + 3))|620|1|4|3|555 0199"
e2e_write_lines "$E2E_DATA/datat11.sch" 'Job||||' 'Note||||' 'Stuff||||' 'Late|call them|||' 'Done||||' 'Linked||||'

# check_board THEME "bar" "today" "weekend" "job" "extension"
check_board() {
    local theme=$1 W
    e2e_start "board_$theme" "$NUBO"
    e2e_find_window "$E2E_PID"
    W=$E2E_WIN
    e2e_wait_frame "$W"
    sleep 0.5
    e2e_shot "$W" "$E2E_WORK/board_$theme.ppm"
    e2e_shot "$W" "$E2E_WORK/board_$theme.png"
    local names=("top bar" "today's column" "weekend column" "job's box" "overdue extension")
    local points=("97,12" "650,700" "$((weekend * 100 + 50)),700" "690,330" "300,475")
    local want=("$2" "$3" "$4" "$5" "$6") got i
    mapfile -t got < <(e2e_ppm_pixels "$E2E_WORK/board_$theme.ppm" "${points[@]}")
    for i in "${!names[@]}"; do
        [ "${got[$i]}" = "${want[$i]}" ] ||
            e2e_fail "$theme theme: ${names[$i]} at ${points[$i]} is ${got[$i]}, expected ${want[$i]} (board_$theme.png kept)"
    done
    e2e_note "$theme theme: top bar, today, weekend (column $weekend), a box and an extension as expected"
    e2e_close "$W"
    e2e_wait_exit "$E2E_PID" || e2e_fail "$theme theme: nubo did not end after its window was closed"
}

e2e_step "the board in the dark theme"
check_board dark "50 70 50" "170 170 140" "130 130 130" "220 210 50" "228 70 70"

e2e_step "the board in the light theme"
touch "$E2E_DATA/light"
check_board light "31 162 220" "200 200 240" "220 220 220" "190 190 100" "248 120 120"
echo "board drawn as expected in both themes"
