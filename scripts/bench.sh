#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them; never part of the test run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/bench"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNO_TESTS=OFF -DVARNO_BENCH=ON >/dev/null
cmake --build "$build"
# The server's side of the benchmarks runs on a throwaway PostgreSQL cluster, as the tests do.
source "$root/scripts/pg-testcluster.sh"
pg_testcluster_start || exit 1
for bench in "$build"/bin/bench_*; do
  [ -x "$bench" ] && "$bench"
done
