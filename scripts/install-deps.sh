#!/usr/bin/env bash
# Installs what building and testing Tabrel needs on Debian 12.
set -euo pipefail

packages=(
    build-essential
    cmake
    ccache
    pkg-config
    qt6-base-dev
    libgl1-mesa-dev
    libgtest-dev
    libgmock-dev
    libbenchmark-dev
    nlohmann-json3-dev
    libcli11-dev
    help2man
    zlib1g-dev
    libicu-dev
    libical-dev
    coinor-libcbc-dev
    xvfb
    xauth
    fonts-dejavu-core
    clang
    libclang-rt-14-dev
    desktop-file-utils
    qt6-translations-l10n
    imagemagick
    x11-apps
)

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "install-deps.sh: run as root or install sudo" >&2
    exit 1
fi

"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${packages[@]}"
