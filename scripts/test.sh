#!/usr/bin/env bash
# Installs what is missing, builds a Debug build with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test headless, against SQLite and a throwaway PostgreSQL cluster.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/test"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARNO_SANITIZE=ON -DVARNO_TESTS=ON >/dev/null \
  || { echo "FEHLER: CMake-Konfiguration fehlgeschlagen." >&2; exit 1; }
cmake --build "$build" -j"$(nproc)" || { echo "FEHLER: Der Build ist fehlgeschlagen." >&2; exit 1; }

# The store and window tests run against both engines: SQLite files and a throwaway PostgreSQL cluster.
source "$root/scripts/pg-testcluster.sh"
pg_testcluster_start || exit 1
# The time stamps are requested from a throwaway local time-stamping service with its own CA.
source "$root/scripts/tsa-testdienst.sh"
tsa_testdienst_start || exit 1

export QT_QPA_PLATFORM=offscreen
if ctest --test-dir "$build" --output-on-failure -j"$(nproc)"; then
  echo "Alle Tests bestanden."
else
  echo "FEHLER: Tests fehlgeschlagen." >&2
  exit 1
fi
