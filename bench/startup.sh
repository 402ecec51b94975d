#!/usr/bin/env bash
# Start-up benchmark (prints figures; not a test). Starts the test program and
# a bare Qt window of the same size several times each under Xvfb, and prints
# the median time from process start to the window being mapped, the resident
# memory once it is shown, and the ratios program / bare window.
# Usage: bench/startup.sh [runs]   (default 11)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-11}"
[ "$runs" = --inside ] && runs="$2"
settle_ms=500    # RSS is read this long after the window is mapped

velk=build-ship/ui/velk
bare=build-ship/bench/bare_window
waitmap=build-ship/bench/waitmap
if [ "${1:-}" != --inside ]; then
  scripts/deps.sh libx11-dev
  cmake -S . -B build-ship -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build-ship --parallel "$(nproc)" --target velk
  cmake -S bench -B build-ship/bench -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build-ship/bench --parallel "$(nproc)"
fi

measure() {   # program -> "ms kB"
  "$waitmap" "$settle_ms" "$1"
}

run_all() {
  local i
  # One warm-up each, so both start from a warm file cache.
  measure "$velk" >/dev/null
  measure "$bare" >/dev/null
  # The two alternate, so a busy moment of the machine hits both alike.
  for ((i = 0; i < runs; i++)); do
    echo "velk $(measure "$velk")"
    echo "bare $(measure "$bare")"
  done
}

# Under Xvfb the script runs itself again to do the measuring.
if [ "${1:-}" = --inside ]; then
  run_all
  exit
fi
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
results=$(xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$runs")

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
v_ms=$(awk '$1 == "velk" { print $2 }' <<<"$results" | median)
b_ms=$(awk '$1 == "bare" { print $2 }' <<<"$results" | median)
v_kb=$(awk '$1 == "velk" { print $3 }' <<<"$results" | median)
b_kb=$(awk '$1 == "bare" { print $3 }' <<<"$results" | median)

echo "runs per program: $runs (alternating, after one warm-up each)"
printf '%-12s %10s %10s\n' "" "map ms" "VmRSS kB"
printf '%-12s %10.1f %10d\n' "velk" "$v_ms" "$v_kb"
printf '%-12s %10.1f %10d\n' "bare window" "$b_ms" "$b_kb"
awk -v a="$v_ms" -v b="$b_ms" -v c="$v_kb" -v d="$b_kb" \
  'BEGIN { printf "ratio time %.2f, ratio memory %.2f (target: both at most 1.20)\n", a / b, c / d }'
