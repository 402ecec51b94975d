#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug
cmake --build build-test --parallel "$(nproc)"
ctest --test-dir build-test --output-on-failure
