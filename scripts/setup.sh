#!/usr/bin/env bash
# Installs what building, running and testing ZETO needs on Debian 12, skipping what is there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config dpkg-dev desktop-file-utils
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6multimedia6 qt6-qpa-plugins libgl-dev
    qt6-svg-dev qt6-translations-l10n
    libgmp-dev libmpfr-dev
    libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev poppler-utils
    fonts-noto-cjk xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
