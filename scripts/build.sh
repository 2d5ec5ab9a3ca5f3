#!/usr/bin/env bash
# Configures and builds Norvane into build/ (or $NORVANE_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${NORVANE_BUILD_DIR:-$root/build}"
jobs="${NORVANE_JOBS:-$(nproc)}"
werror=OFF
if [ "${CI:-}" = "true" ]; then
    werror=ON
fi
cmake -S "$root" -B "$build" -G Ninja -DNORVANE_WERROR="$werror" >/dev/null
cmake --build "$build" -j "$jobs" "$@"
