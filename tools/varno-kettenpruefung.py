#!/usr/bin/env python3
"""Recomputes the chains of a Varno logbook file with nothing but Python's standard library.

An auditor who does not want to trust the program checks the file with this script: it reads every
chained table in the order of its IDs, rebuilds each row's value from its content and its
predecessor, compares it with the stored values and the notes in T_Pruefkette, requires the
numbers of storing (Laufnr) to run 1, 2, 3, ... across all chains, and prints the Prüfwert (all
64 hex digits; reports print the first 32, earlier versions the first 16).
The byte format is described at the top of src/logbuch/kette/Pruefkette.h.

Exit status: 0 unchanged, 1 changed, 2 the file could not be read.
"""
import hashlib
import sqlite3
import sys

KETTEN = [
    ("T_MIREL", ["ID", "KFZ", "AbDat", "AnDat", "km_ab", "km_an", "Start", "Ziel", "Art", "Zweck",
                 "Kategorie", "Fahrer", "Bemerkung", "Erfasst", "ErsetztID", "Grund", "Storniert",
                 "Benutzer", "StartName", "ZielName", "ArtName", "ArtKurz", "ZweckName",
                 "KategorieName", "FahrerName", "Kennzeichen", "Laufnr"]),
    ("T_basis", ["ID", "CFID", "Einlesedat", "Startzeit", "Startkm", "Zielzeit", "Zielkm", "KFZid",
                 "CF", "Art", "Ort", "Grund", "Kat", "Erfasst", "Benutzer", "Laufnr"]),
    ("T_Protokoll", ["ID", "Zeit", "Ereignis", "Beschreibung", "Benutzer", "Laufnr"]),
]
# Came with later schema steps (who stored a row: 4; the names a trip prints: 5): rows stored
# before hold NULL there, and a NULL adds no field.
NUR_MIT_WERT = {"Benutzer", "StartName", "ZielName", "ArtName", "ArtKurz", "ZweckName",
                "KategorieName", "FahrerName", "Kennzeichen"}
OHNE_VORGAENGER = bytes(32)


def feld(wert):
    if wert is None:
        return b"-\n"
    if isinstance(wert, int):
        return b"i%d\n" % wert
    if isinstance(wert, float):
        return b"r" + ("%.17g" % wert).encode("ascii") + b"\n"
    if isinstance(wert, str):
        daten, kennung = wert.encode("utf-8"), b"t"
    else:
        daten, kennung = bytes(wert), b"b"
    return kennung + str(len(daten)).encode("ascii") + b":" + daten + b"\n"


def kette_pruefen(db, tabelle, spalten, befunde, laufnummern):
    """Walks one chain; returns its length and last value."""
    vorhanden = {z[1] for z in db.execute("PRAGMA table_info(%s)" % tabelle)}
    auswahl = [s if s in vorhanden else "NULL" for s in spalten]
    abfrage = "SELECT %s, Pruefwert, Vorgaenger FROM %s ORDER BY ID" % (", ".join(auswahl), tabelle)
    vorgaenger, anzahl = OHNE_VORGAENGER, 0
    for zeile in db.execute(abfrage):
        werte, gespeichert, gespeicherter_vorgaenger = zeile[:-2], zeile[-2], zeile[-1]
        felder = [feld(w) for s, w in zip(spalten, werte) if not (s in NUR_MIT_WERT and w is None)]
        bytes_ = tabelle.encode("ascii") + b"\n" + b"".join(felder) + vorgaenger
        wert = hashlib.sha256(bytes_).digest()
        wo = "%s, ID %s" % (tabelle, werte[0])
        if gespeichert is None:
            befunde.append(wo + ": ohne Prüfwert (eingefügt)")
        elif gespeicherter_vorgaenger is None or bytes(gespeicherter_vorgaenger) != vorgaenger:
            befunde.append(wo + ": davor fehlt ein Eintrag oder die Reihenfolge ist verändert")
        elif bytes(gespeichert) != wert:
            befunde.append(wo + ": nach dem Speichern verändert")
        laufnummern.append((werte[-1], wo))
        vorgaenger, anzahl = wert, anzahl + 1
    return anzahl, vorgaenger


def vermerke_pruefen(db, koepfe, befunde):
    vermerkt = {k: (a, bytes(w)) for k, a, w in db.execute("SELECT Kette, Anzahl, Kopf FROM T_Pruefkette")}
    eintraege = sum(anzahl for anzahl, _ in koepfe.values())
    for tabelle, kopf in koepfe.items():
        notiz = vermerkt.get(tabelle)
        if notiz is None and eintraege == 0:
            continue
        if notiz != kopf:
            befunde.append(tabelle + ": die Vermerke der Prüfkette fehlen oder wurden verändert")


def laufnummern_pruefen(laufnummern, befunde):
    erwartet = 1
    for laufnr, wo in sorted(laufnummern, key=lambda e: (e[0] is None, e[0] or 0)):
        if laufnr != erwartet:
            befunde.append(wo + ": davor fehlen in der Reihenfolge des Speicherns Einträge")
            return
        erwartet += 1


def pruefwert(koepfe):
    bytes_ = b"Varno-Pruefwert\n"
    for tabelle, _ in KETTEN:
        anzahl, wert = koepfe[tabelle]
        bytes_ += tabelle.encode("ascii") + b"\n" + str(anzahl).encode("ascii") + b"\n" + wert
    ziffern = hashlib.sha256(bytes_).hexdigest().upper()
    return " ".join(ziffern[i:i + 4] for i in range(0, len(ziffern), 4))


def main(argv):
    if len(argv) != 2:
        print("Aufruf: varno-kettenpruefung.py FAHRTENBUCH", file=sys.stderr)
        return 2
    try:
        db = sqlite3.connect("file:%s?mode=ro" % argv[1], uri=True)
        befunde, laufnummern, koepfe = [], [], {}
        for tabelle, spalten in KETTEN:
            koepfe[tabelle] = kette_pruefen(db, tabelle, spalten, befunde, laufnummern)
        vermerke_pruefen(db, koepfe, befunde)
        laufnummern_pruefen(laufnummern, befunde)
    except sqlite3.Error as fehler:
        print("Das Fahrtenbuch %s konnte nicht gelesen werden: %s" % (argv[1], fehler), file=sys.stderr)
        return 2
    if befunde:
        print("Das Fahrtenbuch wurde verändert. Befunde (%d):" % len(befunde))
        for befund in befunde:
            print("- " + befund)
    else:
        print("Alle %d Einträge sind unverändert." % sum(a for a, _ in koepfe.values()))
    # A changed logbook has no value that could vouch for it.
    print("Prüfwert ungültig – Fahrtenbuch verändert" if befunde else "Prüfwert: " + pruefwert(koepfe))
    return 1 if befunde else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
