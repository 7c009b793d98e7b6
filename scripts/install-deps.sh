#!/usr/bin/env bash
# Installs the Debian packages Varno needs to build, run, package and test; quick when all are present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql qt6-translations-l10n qt6-qpa-plugins libgl-dev
  qt6-charts-dev libqt6opengl6-dev
  libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev sqlite3
  postgresql libpq-dev libssl-dev openssl ca-certificates
  fonts-dejavu-core poppler-utils python3 libxml2-utils
  librsvg2-bin dpkg-dev file desktop-file-utils appstream
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "Alle benötigten Pakete sind installiert."
  exit 0
fi

echo "Installiere: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
if ! "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; then
  echo "FEHLER: Die Pakete konnten nicht installiert werden." >&2
  exit 1
fi
