#!/usr/bin/env bash
# Set-up, build and every test, from a fresh Debian 12 machine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/style.sh format
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --parallel "$(nproc)" --timeout 120
# clang-tidy reads the compile commands and generated headers of this build.
scripts/style.sh tidy build

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer;
# any report fails the run.
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTARROWBY_SANITIZE=ON -DTARROWBY_BENCHMARKS=OFF
cmake --build build-sanitize --parallel "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp" \
       UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 QT_QPA_PLATFORM=offscreen
ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)" --timeout 300
# CTest runs each test alone; what one test leaves behind for the next (a
# window never deleted, say) shows only when a window test program runs
# whole, so each runs once that way too.
for program in build-sanitize/tests/*/*tests; do
    echo "whole: $program"
    timeout 600 "$program" --gtest_brief=1
done
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS QT_QPA_PLATFORM

# A bounded run of every file reader's fuzz target.
scripts/fuzz.sh 17

