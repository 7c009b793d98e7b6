#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them; never part of the test run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/bench"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNO_TESTS=OFF -DVARNO_BENCH=ON >/dev/null
cmake --build "$build"
for bench in "$build"/bin/bench_*; do
  [ -x "$bench" ] && "$bench"
done
