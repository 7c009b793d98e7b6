#include "admin/PruefwertvermerkStore.h"

#include "admin/SqliteDatei.h"
#include "audit/Dateipruefung.h"
#include "common/Clock.h"
#include "logbuch/kette/Pruefkette.h"
#include "db/SqlDate.h"

#include <sqlite3.h>

namespace PruefwertvermerkStore {

void eintragen(const QString& sicherung, const QString& pruefwert)
{
    SqliteDatei datei(sicherung);
    // A restored backup brings its note along; the next backup keeps only its own.
    datei.ausfuehren("BEGIN; DROP TABLE IF EXISTS T_Pruefwertvermerk; "
                     "CREATE TABLE T_Pruefwertvermerk (Zeit TEXT NOT NULL, Pruefwert TEXT NOT NULL)");
    SqliteDatei::Anweisung(datei, QStringLiteral("INSERT INTO T_Pruefwertvermerk (Zeit, Pruefwert) VALUES (?, ?)"))
        .binden(1, sqldate::toSql(Clock::now()).toUtf8())
        .binden(2, pruefwert.toUtf8())
        .schritt();
    datei.ausfuehren("COMMIT");
}

pruefkette::Koepfe gesicherteKoepfe(const QString& sicherung)
{
    SqliteDatei datei(sicherung);
    pruefkette::Koepfe koepfe;
    SqliteDatei::Anweisung vermerke(datei, QStringLiteral("SELECT Kette, Anzahl, Kopf FROM T_Pruefkette"));
    while (vermerke.schritt()) {
        sqlite3_stmt* zeile = vermerke.handle();
        const QString tabelle = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(zeile, 0)));
        for (pruefkette::Kette kette : pruefkette::alleKetten)
            if (tabelle == pruefkette::tabelle(kette))
                koepfe[pruefkette::index(kette)] = {
                    sqlite3_column_int64(zeile, 1),
                    QByteArray(static_cast<const char*>(sqlite3_column_blob(zeile, 2)), sqlite3_column_bytes(zeile, 2))};
    }
    return koepfe;
}

QString gesicherterPruefwert(const QString& sicherung)
{
    const auto ergebnis = dateipruefung::pruefen(sicherung);
    return ergebnis ? ergebnis->pruefwert() : QString::fromUtf8(pruefkette::ungueltig);
}

std::optional<QString> pruefwert(const QString& sicherung)
{
    SqliteDatei datei(sicherung);
    SqliteDatei::Anweisung tabelle(
        datei, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'T_Pruefwertvermerk'"));
    if (!tabelle.schritt())
        return std::nullopt;
    SqliteDatei::Anweisung vermerk(datei, QStringLiteral("SELECT Pruefwert FROM T_Pruefwertvermerk"));
    if (!vermerk.schritt())
        return std::nullopt;
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(vermerk.handle(), 0)));
}

} // namespace PruefwertvermerkStore
