#!/usr/bin/env bash
# Installs what is missing, builds the program and opens the test window.
# Extra arguments go to CMake, e.g. -DVELK_BANK=content/language/bank.txt
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build build --parallel "$(nproc)"
exec build/ui/velk
