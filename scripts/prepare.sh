#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks and builds the editor.
# Usage: scripts/prepare.sh [build folder [cmake options ...]] (default: build/)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ ninja-build libgtest-dev qt6-base-dev qt6-webengine-dev libgl-dev
          qt6-translations-l10n poppler-utils fonts-dejavu-core fonts-urw-base35)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

folder="${1:-build}"
shift || true
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
cmake --build "$folder"
