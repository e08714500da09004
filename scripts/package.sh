#!/usr/bin/env bash
# Builds the Debian package: an optimised build with debug information (-O2 -g, as Debian
# builds; cpack strips the executable), tests and benchmarks left out, in build-package, packed
# by cpack's DEB generator with the library dependencies that dpkg-shlibdeps finds.
# Usage: scripts/package.sh [BUILD_DIR]
# The package lands in BUILD_DIR/packages/ (glyphwell_VERSION_ARCH.deb); install it with
#   sudo apt-get install ./build-package/packages/glyphwell_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build-package}"
scripts/deps.sh
scripts/build.sh "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGW_BUILD_TESTS=OFF \
  -DGW_BUILD_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr
cpack --config "$build_dir/CPackConfig.cmake" -B "$PWD/$build_dir/packages"
ls "$build_dir"/packages/*.deb
