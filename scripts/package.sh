#!/usr/bin/env bash
# Builds the Debian package norvane_<version>_<arch>.deb into the current
# folder (or $NORVANE_PACKAGE_DIR), from a release build in build-package/
# (or $NORVANE_PACKAGE_BUILD_DIR). Install it with
#     sudo apt-get install ./norvane_<version>_<arch>.deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NORVANE_PACKAGE_BUILD_DIR:-$root/build-package}"
out="${NORVANE_PACKAGE_DIR:-$PWD}"
jobs="${NORVANE_JOBS:-$(nproc)}"

"$root/scripts/install-deps.sh"
# Only what the package holds: no tests, no benchmarks.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DNORVANE_BUILD_TESTS=OFF -DNORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out/_cpack")
# cpack leaves its work files beside the package; keep only the package.
mv "$out"/_cpack/*.deb "$out"/
rm -rf "$out/_cpack"
ls -1 "$out"/norvane_*.deb
