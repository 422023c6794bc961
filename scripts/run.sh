#!/usr/bin/env bash
# Set-up, build and start Tarrowby, from a fresh Debian 12 machine. Any
# arguments go to the program: a data folder, --help or --version.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)" --target tarrow
exec build/src/tarrow "$@"
