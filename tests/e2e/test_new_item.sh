#!/bin/bash
# The road of one new item: a right click on free board space, ADD, typing a description (with a
# Latin-1 letter) and a phone line, CONTINUE; the box is on the board and in the sheet files.
# Usage: test_new_item.sh PATH_TO_NUBO
source "$(dirname "$0")/lib.sh"
e2e_binary "${1:-}"
e2e_init

T=$(e2e_today)

e2e_new_data
e2e_start new_item "$NUBO"
P=$E2E_PID
e2e_find_window "$P"
W=$E2E_WIN
e2e_wait_frame "$W"
sleep 0.5

e2e_step "right click on free space, ADD"
e2e_click "$W" 350 480 3
sleep 0.4
e2e_click "$W" 370 480            # ADD, drawn 10 px above the click
sleep 0.5                          # the editor ignores clicks for 300 ms after opening
e2e_wait_pixel "$W" 500 300 "50 50 50"   # the form's background

e2e_step "type the description and the phone line"
e2e_click "$W" 300 150
sleep 0.3
e2e_type "$W" "Café tiles"
sleep 1                            # one typed character is taken per pass
e2e_click "$W" 300 360
sleep 0.3
e2e_type "$W" "555 0100"
sleep 1
e2e_shot "$W" "$E2E_WORK/editor.png"

e2e_step "CONTINUE stores and saves the item"
e2e_click "$W" 700 420
sleep 1
e2e_move "$W" 100 650
e2e_wait_pixel "$W" 460 500 "220 210 50"   # the new box, days T-3 and T-2, row 464
e2e_write_lines "$E2E_WORK/data.expected" "$((T - 3))|$((T - 2))|464|1|-1|0|555 0100"
e2e_write_lines "$E2E_WORK/text.expected" $'Caf\xe9 tiles||||'
e2e_same_bytes "data file after the new item" "$E2E_WORK/data.expected" "$E2E_DATA/data11.sch"
e2e_same_bytes "text file after the new item" "$E2E_WORK/text.expected" "$E2E_DATA/datat11.sch"

e2e_close "$W"
e2e_wait_exit "$P" || e2e_fail "nubo did not end after its window was closed"
[ "$E2E_RC" = 0 ] || e2e_fail "exit status $E2E_RC"
e2e_same_bytes "data file after closing" "$E2E_WORK/data.expected" "$E2E_DATA/data11.sch"
echo "a new item went from a right click to the board and the sheet files"
