#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (headless).
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_CHROMIUM_FLAGS=--no-sandbox

scripts/prepare.sh build
ctest --test-dir build --output-on-failure --timeout 300 -j "$(nproc)"

