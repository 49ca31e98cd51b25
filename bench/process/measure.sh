#!/bin/bash
# Whole-process measure of Nubo against the floor of its stack (nubo_floor: SDL2 + OpenGL, an
# empty cleared frame every 30 ms), side by side in one run under one private Xvfb: start-up to
# the first shown frame, resident memory, and CPU of the idle frame loop.
#
# Usage: measure.sh BIN_NUBO BIN_FLOOR
#   RUNS=5    measured runs of each binary, alternated so that both see the same machine load
#   IDLE_S=10 seconds of idle loop over which CPU is counted
# Each run gets a fresh empty data folder (XDG_DATA_HOME), so Nubo starts as a new user's does;
# the Mesa shader cache (XDG_CACHE_HOME) is kept across runs, as on a user's machine, and one
# unmeasured warm-up run of each binary comes first. Takes about RUNS x 2 x (IDLE_S + 4) s.
set -u
[ $# = 2 ] || { echo "usage: measure.sh BIN_NUBO BIN_FLOOR" >&2; exit 2; }
for b in "$1" "$2"; do [ -x "$b" ] || { echo "measure.sh: $b is not an executable" >&2; exit 2; }; done
NUBO=$(realpath "$1")
FLOOR=$(realpath "$2")
HERE=$(cd "$(dirname "$0")" && pwd)
RUNS=${RUNS:-5}
IDLE_S=${IDLE_S:-10}
source "$HERE/../../tests/e2e/lib.sh"
e2e_init
RESULTS=$E2E_WORK/results.jsonl
: > "$RESULTS"

# run LABEL BINARY IDLE_SECONDS: one start, measure, close; appends one JSON line to RESULTS.
run() {
    local line
    e2e_new_data
    line=$("$E2E_PY" "$HERE/startwatch.py" --idle "$3" --xvfb-pid "$E2E_XVFB_PID" \
           --log "$E2E_WORK/$1.log" "$2") || e2e_fail "startwatch.py failed on $2"
    printf '{"label": "%s", %s\n' "$1" "${line#\{}" >> "$RESULTS"
}

echo "Whole-process measure, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, Xvfb $DISPLAY 1920x1080x24"
echo "  nubo : $NUBO"
echo "  floor: $FLOOR"
echo "  load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
run warmup_nubo "$NUBO" 0
run warmup_floor "$FLOOR" 0
for ((i = 1; i <= RUNS; i++)); do
    run nubo "$NUBO" "$IDLE_S"
    run floor "$FLOOR" "$IDLE_S"
    echo "  run $i/$RUNS done"
done
echo "  load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"

"$E2E_PY" - "$RESULTS" "$RUNS" "$IDLE_S" <<'PY'
import json, statistics, sys
rows = [json.loads(l) for l in open(sys.argv[1])]
runs, idle = sys.argv[2], sys.argv[3]
bad = [r for r in rows if 'error' in r or r.get('exit_code') != 0]
by = {k: [r for r in rows if r['label'] == k and 'error' not in r] for k in ('nubo', 'floor')}

def med(label, key, scale=1.0):
    v = [r[key] / scale for r in by[label] if r.get(key) is not None]
    return (statistics.median(v), min(v), max(v)) if v else None

measures = [('start-up to window mapped, ms', 'map_ms', 1.0, '%.0f'),
            ('start-up to first frame, ms', 'frame_ms', 1.0, '%.0f'),
            ('resident memory at 2 s, MB', 'rss_kb', 1024.0, '%.1f'),
            (f'idle CPU over {idle} s, % of a core', 'cpu_pct', 1.0, '%.1f'),
            ('Xvfb CPU meanwhile, % of a core', 'xvfb_pct', 1.0, '%.1f')]
print()
print(f'median of {runs} runs (min-max)        nubo                floor               nubo - floor')
for title, key, scale, f in measures:
    a, b = med('nubo', key, scale), med('floor', key, scale)
    cell = lambda m: (f % m[0] + ' (' + f % m[1] + '-' + f % m[2] + ')') if m else 'n/a'
    diff = ('+' if a[0] >= b[0] else '') + f % (a[0] - b[0]) if a and b else 'n/a'
    print(f'{title:38} {cell(a):19} {cell(b):19} {diff}')
print()
print('Method: start = just before fork/exec of the binary; "mapped" = MapNotify of its window on the root')
print('window (X events, no polling); "first frame" = first non-black pixel on row 300 of the window, read')
print('with XGetImage every 1 ms after mapping (resolution ~1 ms). Memory: VmRSS of /proc/PID/status at 2 s.')
print('CPU: utime+stime of /proc/PID/stat (10 ms ticks) over the idle seconds, from 1 s after the first frame')
print('(not before 3 s); pointer left where it is, no input. Closed with WM_DELETE_WINDOW after each run.')
if bad:
    print()
    for r in bad:
        print(f"PROBLEM in a {r['label']} run: {r.get('error', '')} exit code {r.get('exit_code')}")
    sys.exit(1)
PY
