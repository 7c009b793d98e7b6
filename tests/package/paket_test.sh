#!/usr/bin/env bash
# The Debian package as a user gets it: built from this build tree, unpacked into an empty root,
# its programs run from there, its menu entry and AppStream metadata validated.
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FEHLER: $*" >&2
  exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$work/paket" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log" >&2; fail "cpack konnte das Paket nicht bauen."; }
debs=("$work"/paket/varno_*.deb)
[ -f "${debs[0]}" ] || fail "kein .deb gebaut."
deb="${debs[0]}"
root="$work/root"
dpkg-deb -x "$deb" "$root"

# Dependencies read from the binaries, plus the Qt plugins named by hand.
depends="$(dpkg-deb -f "$deb" Depends)"
for package in libqt6widgets6 libqt6sql6 libsqlite3-0 libqt6sql6-sqlite libqt6sql6-psql libpq5 qt6-qpa-plugins; do
  grep -q "\b$package\b" <<<"$depends" || fail "Depends nennt $package nicht: $depends"
done
recommends="$(dpkg-deb -f "$deb" Recommends)"
grep -q "\blibsecret-tools\b" <<<"$recommends" || fail "Recommends nennt libsecret-tools nicht: $recommends"
# The chain verifier in share/varno runs on Python's standard library.
grep -q "\bpython3\b" <<<"$recommends" || fail "Recommends nennt python3 nicht: $recommends"
# Time stamps are checked against the system's CA certificates unless the options name one.
grep -q "\bca-certificates\b" <<<"$recommends" || fail "Recommends nennt ca-certificates nicht: $recommends"

for file in usr/bin/varno usr/bin/varno-card usr/share/varno/varno-cf.dat usr/share/varno/logo.gif \
  usr/share/varno/varno-kettenpruefung.py \
  usr/share/icons/hicolor/scalable/apps/de.varno.Varno.svg usr/share/icons/hicolor/48x48/apps/de.varno.Varno.png \
  usr/share/man/man1/varno.1.gz usr/share/man/man1/varno-card.1.gz; do
  [ -s "$root/$file" ] || fail "$file fehlt im Paket."
done
gzip -t "$root/usr/share/man/man1/varno.1.gz" "$root/usr/share/man/man1/varno-card.1.gz"

# The programs run from the unpacked root, without a display.
version="$(dpkg-deb -f "$deb" Version)"
output="$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/varno" --version)"
[ "$output" = "Varno ${version%-*}" ] || fail "varno --version gab „$output“ statt „Varno ${version%-*}“."
"$root/usr/bin/varno-card" --help | grep -q "varno-card template DATEI" || fail "varno-card --help zeigt die Befehle nicht."

# Installed, the logbook goes to the user's data folder and nowhere else.
mkdir "$work/home" "$work/arbeit"
(cd "$work/arbeit" && env -u XDG_DATA_HOME HOME="$work/home" "$root/usr/bin/varno" --neue-datenbank >/dev/null)
[ -f "$work/home/.local/share/Varno/varno.db" ] || fail "kein Fahrtenbuch im Datenordner."
[ -z "$(ls -A "$work/arbeit")" ] || fail "das installierte Programm schrieb in den Arbeitsordner."

desktop-file-validate "$root/usr/share/applications/de.varno.Varno.desktop"
appstreamcli validate --no-net --strict "$root/usr/share/metainfo/de.varno.Varno.metainfo.xml" >"$work/appstream.log" \
  || { cat "$work/appstream.log" >&2; fail "die AppStream-Daten sind nicht gültig."; }
echo "Paket $(basename "$deb") geprüft."
