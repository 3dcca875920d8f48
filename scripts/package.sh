#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Contalandia: dist/contalandia_<version>_<arch>.deb
#
#   scripts/package.sh [BUILD_DIR [CMAKE_OPTION...]]
#
# BUILD_DIR (default build-package) is configured for the program alone
# unless it is already configured; the package check reuses the test build.
# Options given after it go to cmake, for example who publishes the package:
#   scripts/package.sh build-package -DCONTALANDIA_MAINTAINER="Name <mail>"
# Install the package with: sudo apt-get install ./dist/contalandia_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-shlibdeps (dpkg-dev) and file compute the package's dependencies.
scripts/deps.sh dpkg-dev file
build="${1:-build-package}"
[ $# -eq 0 ] || shift
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release \
        -DCONTALANDIA_TESTS=OFF -DCONTALANDIA_BENCH=OFF "$@" >/dev/null
elif [ $# -gt 0 ]; then
  cmake -S . -B "$build" "$@" >/dev/null
fi
cmake --build "$build" -j"$(nproc)"
mkdir -p dist
rm -f dist/contalandia_*.deb
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$PWD/dist/cpack" >/dev/null
mv dist/cpack/contalandia_*.deb dist/
rm -rf dist/cpack
ls dist/contalandia_*.deb
