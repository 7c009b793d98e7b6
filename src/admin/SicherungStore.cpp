#include "admin/SicherungStore.h"

#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/Schema.h"
#include "db/SqliteVerbindung.h"
#include "platform/FileOperations.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <sqlite3.h>

namespace {

// Every table the program reads or writes.
const QStringList logbuchTabellen = {
    QStringLiteral("T_KFZ"),       QStringLiteral("T_MIREL"),        QStringLiteral("T_basis"),
    QStringLiteral("T_Merkpunkte"), QStringLiteral("T_CF"),           QStringLiteral("T_Fahrer"),
    QStringLiteral("T_ORTE"),      QStringLiteral("T_ZWECK"),        QStringLiteral("T_Kategorie"),
    QStringLiteral("T_ART"),       QStringLiteral("T_STAMMFAHRTEN"), QStringLiteral("T_Optionen"),
    QStringLiteral("T_FILTER")};

// Copies every page of the open logbook into the (empty) file at `pfad`.
void seitenKopieren(sqlite3* quelle, const QString& pfad)
{
    sqlite3* ziel = nullptr;
    int ergebnis = sqlite3_open_v2(QFile::encodeName(pfad).constData(), &ziel, SQLITE_OPEN_READWRITE, nullptr);
    if (ergebnis == SQLITE_OK) {
        if (sqlite3_backup* sicherung = sqlite3_backup_init(ziel, "main", quelle, "main")) {
            sqlite3_backup_step(sicherung, -1);
            sqlite3_backup_finish(sicherung);
        }
        ergebnis = sqlite3_errcode(ziel);
    }
    const QString meldung = QString::fromUtf8(ziel ? sqlite3_errmsg(ziel) : sqlite3_errstr(ergebnis));
    sqlite3_close(ziel);
    if (ergebnis != SQLITE_OK)
        throw DatabaseError(QStringLiteral("Die Sicherung %1 konnte nicht geschrieben werden: %2").arg(pfad, meldung));
}

// Runs the checks on a separate read-only connection to the file.
std::optional<QString> pruefen(QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return QStringLiteral("Die Datei ist keine Datenbank: %1").arg(query.lastError().text());
    const int version = query.value(0).toInt();
    if (version < 1 || version > Schema::currentVersion)
        return QStringLiteral("Die Datei ist keine Varno-Datenbank dieser Programmversion.");
    if (!query.exec(QStringLiteral("PRAGMA integrity_check")) || !query.next() ||
        query.value(0).toString() != QLatin1String("ok"))
        return QStringLiteral("Die Datenbank ist beschädigt.");
    const QStringList tabellen = db.tables();
    for (const QString& tabelle : logbuchTabellen)
        if (!tabellen.contains(tabelle))
            return QStringLiteral("Der Datenbank fehlt die Tabelle %1.").arg(tabelle);
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM T_Optionen")) || !query.next() || query.value(0).toInt() != 1)
        return QStringLiteral("Der Datenbank fehlen die Einstellungen.");
    return std::nullopt;
}

} // namespace

namespace SicherungStore {

void sichern(const QString& ziel, FileOperations& dateien)
{
    sqlite3* quelle = sqliteVerbindung();
    const QString temporaer = dateien.createTemporaryBeside(ziel);
    try {
        seitenKopieren(quelle, temporaer);
        dateien.renameReplacing(temporaer, ziel);
    } catch (...) {
        dateien.removeIfExists(temporaer);
        throw;
    }
}

std::optional<QString> logbuchMangel(const QString& pfad)
{
    if (!QFileInfo(pfad).isFile())
        return QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(pfad);
    const QString verbindung = QStringLiteral("varno-pruefung-") + QUuid::createUuid().toString(QUuid::Id128);
    std::optional<QString> mangel;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), verbindung);
        db.setDatabaseName(pfad);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        mangel = db.open() ? pruefen(db) : std::optional<QString>(db.lastError().text());
        db.close();
    }
    QSqlDatabase::removeDatabase(verbindung);
    return mangel;
}

} // namespace SicherungStore
