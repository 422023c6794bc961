#!/usr/bin/env bash
# The Windows build, from a fresh Debian 12 machine, with the mingw-w64 Qt kit.
#   scripts/windows.sh           cross-builds tarrow.exe and every test program
#                                and runs the tests under Wine without a display
#   scripts/windows.sh package   the portable zip and the NSIS installer, in build-win/
# The kit comes from ../shared/toolchains/ or from the archive TARROWBY_WINDOWS_KIT
# names; JOBS (default 2) compiles at once.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-test}
jobs=${JOBS:-2}
archive=${TARROWBY_WINDOWS_KIT:-../shared/toolchains/mingw-w64-qt6.4.2.tar.xz}
kitCache=build-win-kit
build=build-win

installPackages() {
    local packages=(cmake ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools
                    wine wine64 nsis zip xz-utils fonts-dejavu-core xvfb xauth)
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# Unpacks the kit once per archive: a different archive replaces it.
unpackKit() {
    [ -f "$archive" ] || { echo "windows.sh: no kit at $archive (set TARROWBY_WINDOWS_KIT)" >&2; exit 2; }
    local stamp
    stamp=$(stat -c '%s %Y' "$archive")
    if [ "$(cat "$kitCache/.stamp" 2>/dev/null)" != "$stamp" ]; then
        rm -rf "$kitCache"
        mkdir -p "$kitCache"
        tar -C "$kitCache" -xJf "$archive"
        echo "$stamp" > "$kitCache/.stamp"
    fi
    kit=$(cd "$kitCache"/mingw-w64-qt6.4.2 && pwd)
}

# Precompiled Qt and GoogleTest headers, and no ccache: on two cores a cold
# build with both took longer than with the headers alone (ccache has to
# preprocess every file in full to key a precompiled header), and this build
# is mostly run cold.
configureAndBuild() {
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARROWBY_PCH=ON \
          -DCMAKE_TOOLCHAIN_FILE="$kit/toolchain-mingw64.cmake"
    nice -n 10 cmake --build "$build" --parallel "$jobs"
}

# Every test under Wine (the toolchain file makes kit-wine ctest's emulator).
# Ends with "N passed, M failed".
runTests() {
    local log="$build/ctest.log" status=0
    # Wine's server and its services start once, holding none of our output,
    # and stay until the end: started by a test, the services would keep that
    # test's output open, and ctest would wait on it until the time limit.
    wineserver -k > /dev/null 2>&1 || true
    wineserver -p < /dev/null > /dev/null 2>&1
    wineboot -i < /dev/null > /dev/null 2>&1 || true
    ctest --test-dir "$build" --output-on-failure --parallel "$jobs" --timeout 300 > "$log" 2>&1 || status=$?
    wineserver -k > /dev/null 2>&1 || true
    grep -E '^ *[0-9]+/[0-9]+ Test +#' "$log" | grep -v ' Passed ' | sed 's/ \.\.\.*/ /' || true
    sed -n '/tests passed/,$p' "$log"
    local passed failed skipped
    passed=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#.* Passed ' "$log" || true)
    skipped=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#.*\*\*\*Skipped' "$log" || true)
    failed=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#.*(\*\*\*(Failed|Timeout|Exception)|Not Run)' "$log" || true)
    [ "$status" -eq 0 ] || [ "$failed" -gt 0 ] || failed=1 # ctest itself failed
    echo "$skipped skipped on Windows (each says why above)"
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

# The portable folder: the program, its DLLs and plugins, the help file,
# qt.conf and the zone files; zipped, and packed into the installer.
package() {
    local version dist=$build/dist/Tarrowby
    version=$(sed -n 's/^project(Tarrowby VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    rm -rf "$build/dist"
    cmake --install "$build" --prefix "$dist"
    local zip=$PWD/$build/Tarrowby-$version-windows-x64.zip
    rm -f "$zip"
    (cd "$build/dist" && zip -qr9 "$zip" Tarrowby)
    # The uninstaller removes exactly what was installed: the user's files stay.
    local list=$build/dist/installed-files.nsh
    (cd "$dist" && find . -type f | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|' &&
     find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|') > "$list"
    makensis -V2 -DVERSION="$version" -DSOURCE="$PWD/$dist" -DFILELIST="$PWD/$list" \
             -DOUTFILE="$PWD/$build/Tarrowby-$version-setup.exe" data/windows/tarrowby.nsi
    ls -l "$zip" "$build/Tarrowby-$version-setup.exe"
}

# One Wine prefix for the build's test discovery and the test run.
export WINEPREFIX="$PWD/$build/wineprefix"
installPackages
unpackKit
configureAndBuild
case "$mode" in
    test) runTests ;;
    package) package ;;
    *) echo "usage: scripts/windows.sh [package]" >&2; exit 2 ;;
esac
