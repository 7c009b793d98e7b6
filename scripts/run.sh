#!/usr/bin/env bash
# Installs what is missing, builds an optimised Varno and starts it with its database in ./data.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/release"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNO_TESTS=OFF >/dev/null \
  || { echo "FEHLER: CMake-Konfiguration fehlgeschlagen." >&2; exit 1; }
cmake --build "$build" \
  || { echo "FEHLER: Der Build ist fehlgeschlagen." >&2; exit 1; }

mkdir -p "$root/data"
cd "$root/data"
if [ ! -f varno.db ]; then
  QT_QPA_PLATFORM=offscreen "$build/bin/varno" --neue-datenbank
fi
[ -f logo.gif ] || cp "$root/resources/logo.gif" logo.gif
exec "$build/bin/varno" "$@"
