#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (headless).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/prepare.sh
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_CHROMIUM_FLAGS=--no-sandbox
ctest --test-dir build --output-on-failure --timeout 300 -j "$(nproc)"
