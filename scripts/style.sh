#!/usr/bin/env bash
# The code's form. "format": clang-format finds nothing to change in any
# source file. "tidy": clang-tidy (.clang-tidy: mistakes, slow code,
# functions over 60 lines) has nothing to say about the program's own
# sources; it needs a configured build folder for the compile commands.
# Usage: scripts/style.sh format|tidy|all [build folder=build] [jobs]
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-all}"
build="${2:-build}"
jobs="${3:-$(nproc)}"

if [ "$mode" != tidy ]; then
    git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
fi
if [ "$mode" != format ]; then
    # Only the files this build compiles: the Windows-only ones need
    # Windows's headers, which a Linux build does not have.
    git ls-files 'src/*.cpp' | while read -r file; do
        grep -q "\"file\": \"$PWD/$file\"" "$build/compile_commands.json" && echo "$file"
    done | xargs -P "$jobs" -n 4 clang-tidy -p "$build" --quiet
fi
