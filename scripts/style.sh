#!/usr/bin/env bash
# The code's form: clang-format finds nothing to change, and clang-tidy
# (.clang-tidy: mistakes, slow code, functions over 60 lines) nothing to say
# about the program's own sources. Needs a configured build folder for the
# compile commands. Usage: scripts/style.sh [build folder=build] [jobs]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
jobs="${2:-$(nproc)}"

git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
git ls-files 'src/*.cpp' | xargs -P "$jobs" -n 4 clang-tidy -p "$build" --quiet
