#include "admin/SicherungStore.h"

#include "admin/PruefsummenStore.h"
#include "admin/PruefwertvermerkStore.h"
#include "admin/Serversicherung.h"
#include "admin/SqliteDatei.h"
#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/Dialekt.h"
#include "start/Logbuchpruefung.h"
#include "db/SqliteVerbindung.h"
#include "platform/FileOperations.h"
#include "platform/LeftoverTemporaries.h"

#include <QDeadlineTimer>
#include <QFileInfo>

#include <sqlite3.h>

namespace {

// The backup waits by its own rules; the connection's busy timeout would stretch every try.
class OhneWartezeit {
public:
    explicit OhneWartezeit(sqlite3* db) : db_(db) { sqlite3_busy_timeout(db_, 0); }
    ~OhneWartezeit() { sqlite3_busy_timeout(db_, Database::sperrWartezeitMs); }
    OhneWartezeit(const OhneWartezeit&) = delete;
    OhneWartezeit& operator=(const OhneWartezeit&) = delete;

private:
    sqlite3* db_;
};

bool belegt(int ergebnis)
{
    return ergebnis == SQLITE_BUSY || ergebnis == SQLITE_LOCKED;
}

// Runs the backup to its end, trying again while the logbook is busy until the patience runs
// out; returns the last step's result.
int schritteKopieren(sqlite3_backup* sicherung, const SicherungStore::Geduld& geduld)
{
    const QDeadlineTimer frist(geduld.frist);
    for (;;) {
        const int ergebnis = sqlite3_backup_step(sicherung, -1);
        if (ergebnis == SQLITE_OK)
            continue;
        if (!belegt(ergebnis) || frist.hasExpired())
            return ergebnis;
        geduld.pause();
    }
}

// Copies every page of the open logbook into the (empty) file at `pfad`.
void seitenKopieren(sqlite3* quelle, const QString& pfad, const SicherungStore::Geduld& geduld)
{
    SqliteDatei ziel(pfad);
    const OhneWartezeit ohneWartezeit(quelle);
    sqlite3_backup* sicherung = sqlite3_backup_init(ziel.handle(), "main", quelle, "main");
    if (!sicherung)
        ziel.scheitern(QStringLiteral("Die Sicherung kann nicht beginnen"));
    const int ergebnis = schritteKopieren(sicherung, geduld);
    const int abschluss = sqlite3_backup_finish(sicherung);
    if (belegt(ergebnis))
        throw DatabaseError(QStringLiteral("Die Datenbank ist durch ein anderes Programm belegt; die Sicherung wurde "
                                           "nach längerem Warten abgebrochen. Bitte versuchen Sie es später noch "
                                           "einmal."));
    if (ergebnis != SQLITE_DONE || abschluss != SQLITE_OK)
        ziel.scheitern(QStringLiteral("Die Sicherung konnte nicht geschrieben werden"));
}

} // namespace

namespace SicherungStore {

void sichern(const QString& ziel, FileOperations& dateien, const Geduld& geduld)
{
    // What an earlier backup into this folder left when it was killed goes first.
    leftovers::removeOfDeadProcesses(QFileInfo(ziel).absolutePath());
    const QString temporaer = dateien.createTemporaryBeside(ziel);
    try {
        if (Database::dialekt().art() == Datenbankart::PostgreSQL)
            Serversicherung::schreiben(temporaer);
        else
            seitenKopieren(sqliteVerbindung(), temporaer, geduld);
        // Read from the copy: a colleague storing after the snapshot must not change the note.
        PruefwertvermerkStore::eintragen(temporaer, PruefwertvermerkStore::gesicherterPruefwert(temporaer));
        PruefsummenStore::eintragen(temporaer);
        dateien.renameReplacing(temporaer, ziel);
    } catch (...) {
        leftovers::removeWithCompanions(temporaer);
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
