#!/bin/bash
# The update check against a release file served on 127.0.0.1: a newer build opens the home page
# in the browser (a fake opener records it) and the row reads "new version available" in red.
# Needs a Nubo built with its update host on this machine (NUBO_UPDATE_HOST=127.0.0.1:PORT, as the
# test set-up builds it); any other build skips it.
# Usage: test_update_check.sh PATH_TO_NUBO
case "${NUBO_UPDATE_HOST:-}" in
    127.0.0.1:*) PORT=${NUBO_UPDATE_HOST#127.0.0.1:} ;;
    *) echo "skipped: this build's update host \"${NUBO_UPDATE_HOST:-}\" is not on 127.0.0.1"; exit 77 ;;
esac
source "$(dirname "$0")/lib.sh"
e2e_binary "${1:-}"
e2e_init

mkdir -p "$E2E_WORK/site"
printf '309\r\nnotes about the release\r\n' > "$E2E_WORK/site/nuborelease.txt"
"$E2E_PY" -m http.server "$PORT" --bind 127.0.0.1 --directory "$E2E_WORK/site" \
    > "$E2E_WORK/server.log" 2>&1 &
E2E_PIDS+=($!)                     # stopped by the library's clean-up with the apps
E2E_NAMES[$!]=server
for _ in $(seq 50); do
    (exec 3<>/dev/tcp/127.0.0.1/"$PORT") 2>/dev/null && break
    sleep 0.1
done

e2e_new_data
e2e_start update "$NUBO"
P=$E2E_PID
e2e_find_window "$P"
W=$E2E_WIN
e2e_wait_frame "$W"
sleep 0.5

e2e_step "open the panel and check for updates"
e2e_click "$W" 1170 20
e2e_wait_pixel "$W" 1000 30 "100 100 100"
sleep 0.6
e2e_click "$W" 840 260
e2e_wait_url 10
[ "$(e2e_urls)" = "$NUBO_HOME_PAGE" ] || e2e_fail "the browser was asked to open \"$(e2e_urls)\", expected \"$NUBO_HOME_PAGE\""
e2e_wait_pixel "$W" 840 260 "240 240 240"   # the update row is marked
e2e_shot "$W" "$E2E_WORK/update.ppm"
points=()
for x in $(seq 860 4 1080); do for y in $(seq 252 2 266); do points+=("$x,$y"); done; done
e2e_ppm_pixels "$E2E_WORK/update.ppm" "${points[@]}" | grep -qx '255 120 120' ||
    e2e_fail "no red \"new version available\" on the update row"
grep -q 'GET /nuborelease.txt' "$E2E_WORK/server.log" || e2e_fail "the server saw no request for /nuborelease.txt"

e2e_close "$W"
e2e_wait_exit "$P" || e2e_fail "nubo did not end after its window was closed"
echo "the update check found build 309 and opened the home page"
