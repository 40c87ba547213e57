#!/usr/bin/env bash
# Builds the Debian package: an optimised build without the test suite in build-package/, then
# `cpack -G DEB`, which runs dpkg-shlibdeps for the library dependencies. Prints the package's path.
#
#   tools/package/build-deb.sh [build dir (default build-package)]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build-package}
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCOMMTEST_BUILD_TESTS=OFF >/dev/null
cmake --build "$build"
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/commtest_*.deb
