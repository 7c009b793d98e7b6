#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them; never part of the test run. Every benchmark runs,
# also after one failed; the failed ones are named at the end (exit status 1), and one table
# gathers the measures all of them printed ("Maß | …" rows, see bench/support/Messung.h).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/bench"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNO_TESTS=OFF -DVARNO_BENCH=ON >/dev/null
cmake --build "$build"
# The server's side of the benchmarks runs on a throwaway PostgreSQL cluster, as the tests do.
source "$root/scripts/pg-testcluster.sh"
pg_testcluster_start || exit 1

ausgabe="$(mktemp)"
trap 'rm -f "$ausgabe"; pg_testcluster_stop' EXIT
fehlgeschlagen=()
for bench in "$build"/bin/bench_*; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  status=0
  "$bench" | tee -a "$ausgabe" || status=$?
  if [ "$status" -ne 0 ]; then
    fehlgeschlagen+=("$(basename "$bench") (Status $status)")
  fi
done

echo
{
  echo "Maß|Wert|Boden|Verhältnis|Ziel|erreicht"
  grep '^Maß | ' "$ausgabe" | sed -e 's/^Maß | //' -e 's/ | /|/g' || true
} | column -t -s '|' -o ' | '

if [ ${#fehlgeschlagen[@]} -gt 0 ]; then
  echo
  echo "Fehlgeschlagen: $(IFS=,; echo "${fehlgeschlagen[*]}" | sed 's/,/, /g')" >&2
  exit 1
fi
