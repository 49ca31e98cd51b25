#!/bin/bash
# Moving around the board as a user does: the wheel moves the days, a right click on a box opens
# its menu, MOVE and a click put the box on another day (and the sheet file says so), COPY puts an
# item's text on the clipboard, F2 shows the empty sheet 2 with its example note and label.
# Usage: test_board_input.sh PATH_TO_NUBO
source "$(dirname "$0")/lib.sh"
e2e_binary "${1:-}"
e2e_init

T=$(e2e_today)
TODAY="170 170 140"

e2e_new_data
mkdir -p "$E2E_DATA"
e2e_write_lines "$E2E_DATA/data11.sch" "$T|$T|300|1|-1|0|555" "$((T + 2))|$((T + 2))|400|6|-1|0|"
e2e_write_lines "$E2E_DATA/datat11.sch" 'Alpha|beta|||' 'Done||||'

e2e_start input "$NUBO"
P=$E2E_PID
e2e_find_window "$P"
W=$E2E_WIN
e2e_wait_frame "$W"
e2e_wait_pixel "$W" 650 700 "$TODAY"

e2e_step "wheel steps move the days"
e2e_wheel "$W" 150 700 up 1
e2e_wait_pixel "$W" 750 700 "$TODAY"
e2e_wheel "$W" 150 700 down 1
e2e_wait_pixel "$W" 650 700 "$TODAY"
sleep 0.5   # clicks in the pass that flushes the mouse after a wheel step are lost

e2e_step "a right click on a box opens its menu; MOVE and a click move it"
before=$(e2e_pixel "$W" 700 428)
e2e_click "$W" 650 320 3
sleep 0.3
after=$(e2e_pixel "$W" 700 428)
[ "$before" != "$after" ] || e2e_fail "no menu button appeared at (700,428) after the right click on the box"
e2e_click "$W" 700 428          # MOVE, the fourth button
sleep 0.3
e2e_click "$W" 950 520          # the column of today + 3
want="$((T + 3))|$((T + 3))|495|1|-1|0|555"
for _ in $(seq 50); do
    got=$(head -n 1 "$E2E_DATA/data11.sch" | tr -d '\r')
    [ "$got" = "$want" ] && break
    sleep 0.1
done
[ "$got" = "$want" ] || e2e_fail "after the move data11.sch starts with \"$got\", expected \"$want\""
[ -f "$E2E_DATA/data11.sch.backup" ] || e2e_fail "the move saved no backup of the previous pair"
e2e_move "$W" 150 650                       # off the box, which would be drawn highlighted
e2e_wait_pixel "$W" 990 530 "220 210 50"   # the box, now in its new column

e2e_step "COPY puts the item's text on the clipboard"
sleep 0.6
e2e_click "$W" 850 420 3        # the concluded item: LINK, COPY
sleep 0.3
e2e_click "$W" 900 455          # COPY, the second button
sleep 0.3
e2e_clip_get > "$E2E_WORK/clip.txt"
printf 'Done\r\n\r\n\r\n\r\n\r\n' > "$E2E_WORK/clip.expected"
e2e_same_bytes "clipboard after COPY" "$E2E_WORK/clip.expected" "$E2E_WORK/clip.txt"

e2e_step "F2 shows sheet 2: empty, with the example note and the label II"
board=$(e2e_pixel "$W" 460 240)
e2e_key "$W" F2
sleep 0.5
e2e_shot "$W" "$E2E_WORK/sheet2.ppm"
e2e_shot "$W" "$E2E_WORK/sheet2.png"
note=$(e2e_ppm_pixels "$E2E_WORK/sheet2.ppm" 460,240)
[ "$note" != "$board" ] || e2e_fail "no example note at (460,240) on the empty sheet 2"
points=()
for x in $(seq 8 32); do for y in $(seq 695 714); do points+=("$x,$y"); done; done
e2e_ppm_pixels "$E2E_WORK/sheet2.ppm" "${points[@]}" | grep -qx '50 70 50' ||
    e2e_fail "no sheet label in the top-bar colour at the bottom left (sheet2.png kept)"

e2e_close "$W"
e2e_wait_exit "$P" || e2e_fail "nubo did not end after its window was closed"
[ "$E2E_RC" = 0 ] || e2e_fail "exit status $E2E_RC"
[ -f "$E2E_DATA/data12.sch" ] && [ ! -s "$E2E_DATA/data12.sch" ] || e2e_fail "closing on sheet 2 did not save it empty"
grep -q "^$want" "$E2E_DATA/data11.sch" || e2e_fail "sheet 1 lost the moved item"
echo "wheel, menu, move, copy and sheet switch work in the real window"
