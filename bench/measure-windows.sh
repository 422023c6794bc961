#!/usr/bin/env bash
# Start-up time and memory of the Windows tarrow.exe under Wine beside the
# Linux tarrow, in one run under Xvfb: for each run, the time from process
# start to the first mapped main window and VmRSS/VmHWM two seconds later
# (for the Windows program, of the Wine process that runs it). Prints the
# medians. Needs xvfb, xdotool, wine, a Linux build in build/ (or the one
# LINUX_BUILD names) and the portable Windows folder of scripts/windows.sh
# package in build-win/dist/Tarrowby.
# Wine's own server is started once beforehand, as it runs already on a
# desktop that has started any Windows program.
# Usage: bench/measure-windows.sh [runs=5]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-5}"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
export WINEPREFIX="${WINEPREFIX:-$PWD/build-win/wineprefix}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
windowsProgram=build-win/dist/Tarrowby/tarrow.exe
linuxProgram=${LINUX_BUILD:-build}/src/tarrow
data="$(mktemp -d)"
printf 'LastCheck=20261205\r\n' > "$data/calendar.dat"
: > "$data/notes.dat"
printf '[General]\r\nConfirmExit=0\r\n' > "$data/tarrow.ini"
wineboot -i > /dev/null 2>&1 || true
wineserver -p 600 &

# The newest process whose command line holds pattern.
newest() { pgrep -n -f "$1"; }

measure() { # name pattern command...
    local name="$1" pattern="$2"; shift 2
    local start pid mapped
    start="$(date +%s%N)"
    "$@" > /dev/null 2>&1 &
    until xdotool search --onlyvisible --name '^Tarrowby$' > /dev/null 2>&1; do sleep 0.01; done
    mapped="$(date +%s%N)"
    sleep 2
    pid="$(newest "$pattern")"
    local rss hwm
    rss="$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")"
    hwm="$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")"
    kill "$pid"; wait 2> /dev/null || true
    while xdotool search --onlyvisible --name '^Tarrowby$' > /dev/null 2>&1; do sleep 0.05; done
    echo "$name $(( (mapped - start) / 1000000 )) $rss $hwm"
}

results="$(mktemp)"
for run in $(seq "$runs"); do
    measure linux "$linuxProgram $data" "$linuxProgram" "$data" >> "$results"
    measure windows 'tarrow\.exe' wine "$windowsProgram" "$data" >> "$results"
done

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
printf '%-8s %12s %10s %10s\n' program "start (ms)" "RSS (kB)" "HWM (kB)"
for name in linux windows; do
    row="$name"
    for column in 2 3 4; do
        row="$row $(awk -v n="$name" -v c="$column" '$1 == n {print $c}' "$results" | median)"
    done
    printf '%-8s %12s %10s %10s\n' $row
done
wineserver -k || true
rm -rf "$data" "$results"
