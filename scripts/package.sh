#!/usr/bin/env bash
# The Linux release: a Debian package of an optimised build, made by CPack,
# then listed. BUILD names the build folder (default build-deb).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD:-build-deb}
scripts/install-deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DTARROWBY_PCH=ON \
      -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build "$build" --target tarrow --parallel "${JOBS:-2}"
(cd "$build" && cpack -G DEB)
deb=$(ls -t "$build"/tarrowby_*.deb | head -n 1)
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
echo "made $deb"
