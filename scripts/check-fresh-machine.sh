#!/usr/bin/env bash
# Runs the README's two commands on a minimal Debian 12 root made with mmdebstrap: the test command
# fully, the run command up to a started program (offscreen, --version). A package that only the
# developer's machine happens to have makes it fail. Slow (a full build from scratch): not part of the
# test run; run it before changing dependencies.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
started=$SECONDS

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi

if ! command -v mmdebstrap >/dev/null; then
  echo "Installiere mmdebstrap"
  "${as_root[@]}" apt-get update
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends mmdebstrap
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The working copy as it is, without build trees, local data and history.
tar -C "$root" --exclude=./build --exclude=./data --exclude=./.git -cf "$work/varno.tar" .

# What runs inside the new root: a clean environment like a fresh login.
cat >"$work/inside.sh" <<'INSIDE'
set -euo pipefail
cd /root/varno
scripts/test.sh
# run.sh reports its setup and build on the same output; the program's answer is the last line.
output="$(QT_QPA_PLATFORM=offscreen scripts/run.sh --version)"
echo "$output"
case "${output##*$'\n'}" in
  "Varno "*) ;;
  *) echo "FEHLER: scripts/run.sh hat das Programm nicht gestartet." >&2; exit 1 ;;
esac
INSIDE

if "${as_root[@]}" mmdebstrap --variant=minbase \
  --customize-hook='mkdir "$1/root/varno"' \
  --customize-hook="tar-in $work/varno.tar /root/varno" \
  --customize-hook="copy-in $work/inside.sh /root" \
  --customize-hook='chroot "$1" env -i HOME=/root LANG=C.UTF-8 PATH=/usr/sbin:/usr/bin:/sbin:/bin bash /root/inside.sh' \
  bookworm /dev/null; then
  echo "Frische Maschine: alles in Ordnung ($(((SECONDS - started) / 60)) min)."
else
  echo "FEHLER: Auf einer frischen Debian-12-Maschine schlägt die Einrichtung fehl ($(((SECONDS - started) / 60)) min)." >&2
  exit 1
fi
