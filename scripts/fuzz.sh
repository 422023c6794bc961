#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (seconds per target as the first argument, 60 by default), starting from
# its seed corpus in fuzz/corpus: the three file readers, and the random
# tables of events and notes that must come back whole from their files.
# Fails on any crash, hang, leak or round-trip mismatch.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARROWBY_FUZZ=ON > /dev/null
cmake --build build-fuzz --parallel "$(nproc)"

# The leak suppressions name only system libraries.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp"
for pair in CalendarFuzz:calendar NotesFuzz:notes SettingsFuzz:settings \
            CalendarTableFuzz:calendar-table NotesTableFuzz:notes-table ImportFuzz:import; do
    binary="build-fuzz/fuzz/${pair%%:*}"
    target="${pair#*:}"
    work="$(mktemp -d)"
    cp fuzz/corpus/"$target"/* "$work"/
    echo "fuzzing $target for ${seconds}s"
    status=0
    "$binary" "$work" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 > "$work.log" 2>&1 || status=$?
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|SUMMARY)|^Done" "$work.log" || true
    if [ "$status" -ne 0 ]; then
        tail -40 "$work.log"
        exit "$status"
    fi
    rm -rf "$work" "$work.log"
done
