#include "admin/SicherungStore.h"

#include "admin/PruefsummenStore.h"
#include "admin/SqliteDatei.h"
#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/Logbuchpruefung.h"
#include "db/SqliteVerbindung.h"
#include "platform/FileOperations.h"

#include <sqlite3.h>

namespace {

// Copies every page of the open logbook into the (empty) file at `pfad`.
void seitenKopieren(sqlite3* quelle, const QString& pfad)
{
    SqliteDatei ziel(pfad);
    if (sqlite3_backup* sicherung = sqlite3_backup_init(ziel.handle(), "main", quelle, "main")) {
        sqlite3_backup_step(sicherung, -1);
        sqlite3_backup_finish(sicherung);
    }
    if (sqlite3_errcode(ziel.handle()) != SQLITE_OK)
        ziel.scheitern(QStringLiteral("Die Sicherung konnte nicht geschrieben werden"));
}

} // namespace

namespace SicherungStore {

void sichern(const QString& ziel, FileOperations& dateien)
{
    sqlite3* quelle = sqliteVerbindung();
    const QString temporaer = dateien.createTemporaryBeside(ziel);
    try {
        seitenKopieren(quelle, temporaer);
        PruefsummenStore::eintragen(temporaer);
        dateien.renameReplacing(temporaer, ziel);
    } catch (...) {
        dateien.removeIfExists(temporaer);
        throw;
    }
}

std::optional<QString> ruecksicherungsMangel(const QString& pfad)
{
    const Logbuchpruefung::Ergebnis pruefung = Logbuchpruefung::pruefen(pfad, Logbuchpruefung::Tiefe::Gruendlich);
    if (!pruefung.gesund())
        return pruefung.grund;
    return PruefsummenStore::mangel(pfad);
}

} // namespace SicherungStore
