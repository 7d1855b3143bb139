#!/usr/bin/env bash
# Times Tumblewick as a whole process under Xvfb: from exec to the first frame
# that shows a dealt game (median of RUNS runs), and its memory (VmRSS) after
# 5 seconds in a 20 x 20 game. Other programs given as extra arguments (for
# example tuxpaint) are timed from exec to their first named window.
#   bash tools/startup-bench.sh [build/tumblewick] [content folder] [other program ...]
set -euo pipefail
cd "$(dirname "$0")/.."
BIN=$(realpath "${1:-build/tumblewick}")
CONTENT=$(realpath "${2:-build/content/AppFolder}")
shift $(( $# < 2 ? $# : 2 ))
RUNS=${RUNS:-7}
GAME=${GAME:-0}            # the game dealt at start (0 Sounds)
BIG_GAME=${BIG_GAME:-3}    # the games measured at 20 x 20, a list (3 Jigsaw; "$(seq 0 13)" all)
MEMORY_AFTER=${MEMORY_AFTER:-5}

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.05; done
export DISPLAY=$display QT_QPA_PLATFORM=xcb

cp -r "$CONTENT" "$work/AppFolder"

# A settings file: the puzzle size item and the game played last.
settings() {
    printf ' %s\r\n' 0 10 3 0 3 "$1" 0 0 1 1 0 0 1 0 1 1 1 1 1 1 1 1 1 1 0 0 0 "$2" > "$work/AppFolder/Settings.dta"
    printf '\r\n\r\n %s\r\n %s\r\n' 1 0 >> "$work/AppFolder/Settings.dta"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# Milliseconds from exec to the program's "first game frame" line.
time_tumblewick() {
    settings 0 "$GAME"
    local err=$work/err t0 t1 pid
    : > "$err"
    t0=$(date +%s%3N)
    TUMBLEWICK_STARTUP_PROBE=1 "$BIN" --app-folder "$work/AppFolder" 2>"$err" >/dev/null &
    pid=$!
    for _ in $(seq 400); do grep -q '^first game frame' "$err" && break; sleep 0.01; done
    t1=$(awk '/^first game frame/ {print $4; exit}' "$err")
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    if [ -n "$t1" ]; then echo $(( t1 - t0 )); fi
}

# Milliseconds from exec to the first named window of another program.
time_other() {
    local t0 pid
    t0=$(date +%s%3N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    # A named top-level window among the root's children: "0x... "Name": (...)".
    for _ in $(seq 1000); do
        if xwininfo -root -children 2>/dev/null | grep -E '^ +0x[0-9a-f]+ "[^"]+": \(' >/dev/null; then
            echo $(( $(date +%s%3N) - t0 )); break
        fi
        sleep 0.02
    done
    kill "$pid" 2>/dev/null; sleep 0.5; kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
}

echo "Tumblewick start-up to first game frame ($RUNS runs, ms):"
times=$(for _ in $(seq "$RUNS"); do time_tumblewick; done)
echo "  runs: $(echo $times)"
echo "  median: $(echo "$times" | median) ms"

for game in $BIG_GAME; do
    settings 17 "$game"
    "$BIN" --app-folder "$work/AppFolder" >/dev/null 2>&1 &
    pid=$!
    sleep "$MEMORY_AFTER"
    rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    echo "Memory after ${MEMORY_AFTER} s in game $game at 20 x 20: $(( rss / 1024 )) MB (VmRSS)"
done

for other in "$@"; do
    times=$(for _ in $(seq "$RUNS"); do time_other $other; done)
    echo "$other to first named window: runs $(echo $times), median $(echo "$times" | median) ms"
done
