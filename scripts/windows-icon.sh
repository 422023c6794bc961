#!/usr/bin/env bash
# Remakes data/windows/tarrow.ico, the icon of tarrow.exe, from the program's
# SVG icon with the host's Qt (after a change to data/icons/tarrowby.svg).
set -euo pipefail
cd "$(dirname "$0")/.."
tool=$(mktemp -d)
trap 'rm -rf "$tool"' EXIT
g++ -std=c++20 -fPIC -O1 -o "$tool/windows-icon" scripts/windows-icon/main.cpp \
    $(pkg-config --cflags --libs Qt6Gui Qt6Svg)
QT_QPA_PLATFORM=offscreen "$tool/windows-icon" data/icons/tarrowby.svg data/windows/tarrow.ico
