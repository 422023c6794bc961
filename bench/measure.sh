#!/usr/bin/env bash
# Start-up time, memory and idle cost of tarrow beside the floor program, in
# one run under Xvfb: for each program and run, the time from process start to
# its first mapped window, VmRSS/VmHWM two seconds later, and CPU time and
# voluntary context switches (wake-ups) over the idle seconds that follow.
# Prints the median of the runs. Needs xvfb, xdotool and a build in build/.
# Usage: bench/measure.sh [runs=5] [idle seconds=60]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-5}"
idle="${2:-60}"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
data="$(mktemp -d)"
printf 'LastCheck=20261205\r\n' > "$data/calendar.dat"
: > "$data/notes.dat"
printf '[General]\r\nConfirmExit=0\r\n' > "$data/tarrow.ini"
ticks="$(getconf CLK_TCK)"

measure() { # name title command...
    local name="$1" title="$2"; shift 2
    local start pid mapped
    start="$(date +%s%N)"
    "$@" > /dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" --name "^$title\$" > /dev/null 2>&1; do
        # A program that ends before its window maps (Xvfb refusing a
        # connection under load, say) would otherwise be waited for forever.
        kill -0 "$pid" 2> /dev/null || { echo "$name ended before its window was mapped" >&2; exit 1; }
        sleep 0.01
    done
    mapped="$(date +%s%N)"
    sleep 2
    local rss hwm
    rss="$(awk '/VmRSS/ {print $2}' /proc/$pid/status)"
    hwm="$(awk '/VmHWM/ {print $2}' /proc/$pid/status)"
    local cpu0 sw0 cpu1 sw1
    cpu0="$(awk '{print $14 + $15}' /proc/$pid/stat)"
    sw0="$(awk '/^voluntary_ctxt_switches/ {print $2}' /proc/$pid/status)"
    sleep "$idle"
    cpu1="$(awk '{print $14 + $15}' /proc/$pid/stat)"
    sw1="$(awk '/^voluntary_ctxt_switches/ {print $2}' /proc/$pid/status)"
    kill "$pid"; wait "$pid" 2> /dev/null || true
    echo "$name $(( (mapped - start) / 1000000 )) $rss $hwm $(( (cpu1 - cpu0) * 1000 / ticks )) $(( sw1 - sw0 ))"
}

results="$(mktemp)"
for run in $(seq "$runs"); do
    measure floor Floor build/bench/floor >> "$results"
    measure tarrow Tarrowby build/src/tarrow "$data" >> "$results"
done

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
printf '%-8s %12s %10s %10s %14s %18s\n' program "start (ms)" "RSS (kB)" "HWM (kB)" "idle CPU (ms)" "wake-ups/${idle}s"
for name in floor tarrow; do
    row="$name"
    for column in 2 3 4 5 6; do
        row="$row $(awk -v n="$name" -v c="$column" '$1 == n {print $c}' "$results" | median)"
    done
    printf '%-8s %12s %10s %10s %14s %18s\n' $row
done
rm -rf "$data" "$results"
