#!/bin/bash
# The road every user takes: Nubo starts on an empty data folder, shows its window, and saves
# sheet 1 when the window is closed; a sheet it loads is written back byte for byte with the
# previous pair kept as backups; a second copy on the same folder ends without touching it.
# Usage: test_start_and_save.sh PATH_TO_NUBO
source "$(dirname "$0")/lib.sh"
e2e_binary "${1:-}"
e2e_init

# e2e_close_and_expect_0 PID WIN WHAT: closes the window, Nubo must end with status 0.
close_and_expect_0() {
    local t0 t1
    t0=$(e2e_now_ms)
    e2e_close "$2"
    e2e_wait_exit "$1" || e2e_fail "$3: still running ${E2E_TIMEOUT} s after its window was closed"
    t1=$(e2e_now_ms)
    [ "$E2E_RC" = 0 ] || e2e_fail "$3: exit status $E2E_RC after closing the window, expected 0"
    e2e_note "$3 ended with status 0, $((t1 - t0)) ms after the close request"
}

# Every file of the data folder but the lock, with its checksum: what a copy must not change.
folder_state() { (cd "$E2E_DATA" && find . -type f ! -name nubo.lock -print0 | sort -z | xargs -0r sha256sum); }

# ---------------------------------------------------------------------------------------------
e2e_step "a. first start on an empty data folder: window, title, size, first frame"
e2e_start first "$NUBO"
P=$E2E_PID
e2e_find_window "$P"          # shown, with the exact title (45 blanks included)
W=$E2E_WIN
size=$(e2e_window_size "$W")
[ "$size" = 1200x720 ] || e2e_fail "the window is $size, expected 1200x720 with no marker files"
e2e_wait_frame "$W"
# The dark theme clears to 150,150,150. The board covers much of the frame and marks weekends and
# today, but of 12 day columns at least 7 are plain weekdays: some column centre shows the colour.
points=()
for x in 50 150 250 350 450 550 650 750 850 950 1050 1150; do
    for y in 200 300 400 500 600 700; do points+=("$x,$y"); done
done
colours=$(e2e_ppm_pixels "$E2E_WORK/frame.ppm" "${points[@]}")
grep -qx '150 150 150' <<< "$colours" ||
    e2e_fail "the first frame shows the clear colour 150,150,150 at no column centre (x 50..1150, y 200..700); frame kept as frame.ppm"
[ -d "$E2E_DATA" ] || e2e_fail "the data folder $E2E_DATA was not created at start-up"
e2e_note "window $W, 1200x720, exact title, first frame shown"

# ---------------------------------------------------------------------------------------------
e2e_step "b. closing saves the empty sheet 1 as two empty files"
close_and_expect_0 "$P" "$W" "nubo"
for f in data11.sch datat11.sch; do
    [ -f "$E2E_DATA/$f" ] || e2e_fail "$f was not written at shut-down"
    [ ! -s "$E2E_DATA/$f" ] || e2e_fail "$f holds $(stat -c %s "$E2E_DATA/$f") bytes, expected an empty file for a sheet with no items"
done
for f in data11.sch.backup datat11.sch.backup; do
    [ ! -e "$E2E_DATA/$f" ] || e2e_fail "$f exists after the first save, when there was no pair to back up"
done

# ---------------------------------------------------------------------------------------------
e2e_step "c. a prepared sheet 1 is written back byte for byte, the previous pair becomes the backup"
e2e_new_data
# Three items: a plain two-day job, a linked note whose phone field holds a "|" and a Latin-1
# byte, and a concluded stuff item with a negative start day, an icon and Latin-1 descriptions.
e2e_write_lines "$E2E_WORK/data.expected" \
    '2900|2901|284|1|-1|0|555 0100' \
    $'2901|2903|326|2|0|3|caf\xe9 | office@example.org' \
    '-12|40|410|9|1|10|'
e2e_write_lines "$E2E_WORK/text.expected" \
    'Fix the boiler|Room 4|||' \
    'Buy valves||||' \
    $'Caf\xe9 cr\xe8me|second line|third line|a longer fourth line|\xff'
mkdir -p "$E2E_DATA"
cp "$E2E_WORK/data.expected" "$E2E_DATA/data11.sch"
cp "$E2E_WORK/text.expected" "$E2E_DATA/datat11.sch"
e2e_start second_start "$NUBO"
P=$E2E_PID
e2e_find_window "$P"
W=$E2E_WIN
e2e_wait_frame "$W"
close_and_expect_0 "$P" "$W" "nubo"
e2e_same_bytes "data file after load and save" "$E2E_WORK/data.expected" "$E2E_DATA/data11.sch"
e2e_same_bytes "text file after load and save" "$E2E_WORK/text.expected" "$E2E_DATA/datat11.sch"
e2e_same_bytes "backup of the data file" "$E2E_WORK/data.expected" "$E2E_DATA/data11.sch.backup"
e2e_same_bytes "backup of the text file" "$E2E_WORK/text.expected" "$E2E_DATA/datat11.sch.backup"
e2e_note "sheet and backups identical to the prepared pair"

# ---------------------------------------------------------------------------------------------
e2e_step "d. a second copy on the same data folder ends by itself and leaves the sheet alone"
e2e_start owner "$NUBO"
P=$E2E_PID
e2e_find_window "$P"
W=$E2E_WIN
e2e_wait_frame "$W"
before=$(folder_state)
t0=$(e2e_now_ms)
e2e_start intruder "$NUBO"
P2=$E2E_PID
e2e_wait_exit "$P2" 10 || e2e_fail "a second copy on the same data folder was still running after 10 s"
t1=$(e2e_now_ms)
e2e_note "second copy ended after $((t1 - t0)) ms with status $E2E_RC; it said: $(tail -n 1 "$E2E_WORK/intruder.err")"
e2e_running "$P" || e2e_fail "the first copy ended while the second one started"
[ "$(e2e_title "$W" 2>/dev/null)" = "$E2E_TITLE" ] || e2e_fail "the first copy's window is gone"
after=$(folder_state)
[ "$before" = "$after" ] || {
    printf -- '--- before\n%s\n--- after\n%s\n' "$before" "$after"
    e2e_fail "the second copy changed files of the data folder"
}
close_and_expect_0 "$P" "$W" "the first copy"
e2e_same_bytes "data file after the first copy's save" "$E2E_WORK/data.expected" "$E2E_DATA/data11.sch"
e2e_same_bytes "text file after the first copy's save" "$E2E_WORK/text.expected" "$E2E_DATA/datat11.sch"

echo "PASS"
