#include "admin/PruefsummenStore.h"

#include "admin/SqliteDatei.h"
#include "logbuch/schema/Schema.h"

#include <QCryptographicHash>
#include <QtEndian>

#include <sqlite3.h>

namespace {

void zahlHinzufuegen(QCryptographicHash& pruefsumme, qint64 zahl)
{
    const qint64 festeReihenfolge = qToLittleEndian(zahl);
    pruefsumme.addData(QByteArrayView(reinterpret_cast<const char*>(&festeReihenfolge), sizeof festeReihenfolge));
}

// Type, then the value as stored; texts and blobs with their length, so no two rows run together.
void wertHinzufuegen(QCryptographicHash& pruefsumme, sqlite3_stmt* zeile, int spalte)
{
    const int typ = sqlite3_column_type(zeile, spalte);
    zahlHinzufuegen(pruefsumme, typ);
    switch (typ) {
    case SQLITE_INTEGER:
        zahlHinzufuegen(pruefsumme, sqlite3_column_int64(zeile, spalte));
        break;
    case SQLITE_FLOAT: {
        const double wert = sqlite3_column_double(zeile, spalte);
        pruefsumme.addData(QByteArrayView(reinterpret_cast<const char*>(&wert), sizeof wert));
        break;
    }
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(zeile, spalte));
        const int laenge = sqlite3_column_bytes(zeile, spalte);
        zahlHinzufuegen(pruefsumme, laenge);
        pruefsumme.addData(QByteArrayView(bytes, laenge));
        break;
    }
    default:
        break;
    }
}

// Every row of every logbook table in rowid order, and the schema version.
QByteArray inhaltsPruefsumme(SqliteDatei& datei)
{
    QCryptographicHash pruefsumme(QCryptographicHash::Sha256);
    SqliteDatei::Anweisung version(datei, QStringLiteral("PRAGMA user_version"));
    const int schema = version.schritt() ? sqlite3_column_int(version.handle(), 0) : 0;
    zahlHinzufuegen(pruefsumme, schema);
    for (const QString& tabelle : Schema::tableNames(schema)) {
        pruefsumme.addData(tabelle.toUtf8());
        // The table names are the program's own, never taken from the file.
        SqliteDatei::Anweisung zeilen(datei, QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid").arg(tabelle));
        const int spalten = sqlite3_column_count(zeilen.handle());
        while (zeilen.schritt())
            for (int spalte = 0; spalte < spalten; ++spalte)
                wertHinzufuegen(pruefsumme, zeilen.handle(), spalte);
    }
    return pruefsumme.result().toHex();
}

bool hatPruefsumme(SqliteDatei& datei)
{
    SqliteDatei::Anweisung tabelle(
        datei, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'T_Pruefsumme'"));
    return tabelle.schritt();
}

} // namespace

namespace PruefsummenStore {

void eintragen(const QString& sicherung)
{
    SqliteDatei datei(sicherung);
    const QByteArray pruefsumme = inhaltsPruefsumme(datei);
    datei.ausfuehren("BEGIN; DROP TABLE IF EXISTS T_Pruefsumme; CREATE TABLE T_Pruefsumme (Pruefsumme TEXT NOT NULL)");
    SqliteDatei::Anweisung(datei, QStringLiteral("INSERT INTO T_Pruefsumme (Pruefsumme) VALUES (?)"))
        .binden(1, pruefsumme)
        .schritt();
    datei.ausfuehren("COMMIT");
}

std::optional<QString> mangel(const QString& sicherung)
{
    SqliteDatei datei(sicherung);
    if (!hatPruefsumme(datei))
        return std::nullopt;
    QByteArrayList gespeichert;
    SqliteDatei::Anweisung zeilen(datei, QStringLiteral("SELECT Pruefsumme FROM T_Pruefsumme"));
    while (zeilen.schritt())
        gespeichert << QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(zeilen.handle(), 0)));
    if (gespeichert.size() != 1)
        return QStringLiteral("Die Prüfsumme der Sicherung ist beschädigt.");
    if (gespeichert.front() != inhaltsPruefsumme(datei))
        return QStringLiteral("Der Inhalt der Sicherung stimmt nicht mit ihrer Prüfsumme überein: die Datei wurde "
                              "nach dem Sichern verändert oder beschädigt.");
    return std::nullopt;
}

void entfernen(const QString& sicherung)
{
    SqliteDatei datei(sicherung);
    datei.ausfuehren("DROP TABLE IF EXISTS T_Pruefsumme");
}

} // namespace PruefsummenStore
