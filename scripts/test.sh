#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
# Validators for the install test, clang and libFuzzer for the fuzz run.
scripts/deps.sh desktop-file-utils appstream clang-14 libclang-rt-14-dev
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug
cmake --build build-test --parallel "$(nproc)"
ctest --test-dir build-test --output-on-failure

# Every test again under AddressSanitizer and UndefinedBehaviorSanitizer.
san="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$san" \
  -DCMAKE_EXE_LINKER_FLAGS="$san" -DCMAKE_SHARED_LINKER_FLAGS="$san"
cmake --build build-asan --parallel "$(nproc)"
ctest --test-dir build-asan --output-on-failure

# The bank reader against a minute of fuzzed bank files.
tests/fuzz/run.sh 60
