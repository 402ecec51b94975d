#!/usr/bin/env bash
# Builds the bank-file fuzzer with clang and runs it for a while over the
# seed corpus. A crash, a hang, a leak or a bank the checker wrongly passes
# stops it with a non-zero status and leaves the input in build-fuzz/.
# Usage: tests/fuzz/run.sh [seconds]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-60}"

cmake -S tests/fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz --parallel "$(nproc)"

# New inputs go to a scratch corpus; the seeds in the tree stay as written.
work=build-fuzz/run
rm -rf "$work"
mkdir -p "$work/corpus"
ASAN_OPTIONS="quarantine_size_mb=64:detect_leaks=1" \
UBSAN_OPTIONS="print_stacktrace=1" \
build-fuzz/fuzz_bank -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -dict=tests/fuzz/bank.dict -artifact_prefix="$work/" -print_final_stats=1 \
  "$work/corpus" tests/fuzz/corpus 2>"$work/log" || {
  status=$?
  tail -n 60 "$work/log"
  echo "fuzz_bank failed (status $status); the input is in $work/"
  exit "$status"
}
grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units)' "$work/log" || true
