#!/bin/bash
# The settings panel as a user meets it: the icon opens the panel, its first row switches to the
# light theme at once and leaves the "light" marker, and the next start is light again.
# Usage: test_settings.sh PATH_TO_NUBO
source "$(dirname "$0")/lib.sh"
e2e_binary "${1:-}"
e2e_init

# The clear colour shows at some column centre (most of the twelve are plain weekdays).
shows_background() {
    local points=() x y
    for x in 50 150 250 350 450 550 750 850 950 1050 1150; do
        for y in 450 550 650; do points+=("$x,$y"); done
    done
    e2e_shot "$1" "$E2E_WORK/frame.ppm"
    e2e_ppm_pixels "$E2E_WORK/frame.ppm" "${points[@]}" | grep -qx "$2"
}

e2e_new_data
e2e_start first "$NUBO"
P=$E2E_PID
e2e_find_window "$P"
W=$E2E_WIN
e2e_wait_frame "$W"
sleep 0.5
shows_background "$W" "150 150 150" || e2e_fail "the first start is not in the dark theme"

e2e_step "the icon opens the panel; its first row switches to the light theme"
e2e_click "$W" 1170 20
e2e_wait_pixel "$W" 1000 30 "100 100 100"   # the panel's background
sleep 0.6
e2e_click "$W" 840 60
for _ in $(seq 50); do shows_background "$W" "231 244 252" && break; sleep 0.1; done
shows_background "$W" "231 244 252" || e2e_fail "no light background after the light-theme row was clicked"
e2e_shot "$W" "$E2E_WORK/light.png"
[ -f "$E2E_DATA/light" ] || e2e_fail "the marker file \"light\" was not created"
e2e_wait_pixel "$W" 840 60 "240 240 240"    # the row's box is marked
e2e_close "$W"
e2e_wait_exit "$P" || e2e_fail "nubo did not end after its window was closed"

e2e_step "the next start is light again"
e2e_start second "$NUBO"
P=$E2E_PID
e2e_find_window "$P"
W=$E2E_WIN
e2e_wait_frame "$W"
sleep 0.5
shows_background "$W" "231 244 252" || e2e_fail "the second start is not in the light theme"
e2e_close "$W"
e2e_wait_exit "$P" || e2e_fail "nubo did not end after its window was closed"
echo "the light theme is switched on from the panel and kept for the next start"
