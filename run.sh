#!/usr/bin/env bash
# Installs what is missing, builds Norvane and starts the editor; the arguments
# are files to open.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" --target norvane
exec "${NORVANE_BUILD_DIR:-$root/build}/bin/norvane" "$@"
