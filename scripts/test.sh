#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (headless): once in the
# program's own build, then again built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_CHROMIUM_FLAGS=--no-sandbox

scripts/prepare.sh build
ctest --test-dir build --output-on-failure --timeout 300 -j "$(nproc)"

scripts/prepare.sh build-sanitize -DTARVEL_SANITIZE=ON
# Qt's own caches (fonts, styles) live until exit and would read as leaks.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-sanitize --output-on-failure --timeout 600 -j "$(nproc)"
