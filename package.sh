#!/usr/bin/env bash
# Builds the Debian package build-deb/ostra_<version>_<arch>.deb, for
# `sudo apt-get install ./build-deb/ostra_*.deb`. Optional: ./run.sh needs none.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-packages
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DOSTRA_BUILD_TESTS=OFF >/dev/null
cmake --build build-deb -j "$(nproc)"
(cd build-deb && cpack -G DEB >/dev/null)
echo "Debian package: $(ls build-deb/ostra_*.deb)"
