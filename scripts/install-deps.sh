#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing and packaging
# Norvane need (rsvg-convert renders the icons, the desktop tools check the
# desktop files, dpkg-dev finds the package's dependencies; clang, its
# sanitizer and fuzzer runtime and llvm's symbolizer serve scripts/sanitize.sh
# and scripts/fuzz.sh).
# Only what is missing is installed; sudo is used only when not running as root.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core
    python3 xvfb openbox xdotool x11-utils
    librsvg2-bin gzip groff-base
    desktop-file-utils appstream shared-mime-info
    dpkg-dev file
    clang libclang-rt-dev llvm
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
