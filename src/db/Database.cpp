#include "db/Database.h"

#include "db/Anweisungsvorrat.h"
#include "db/Dialekt.h"
#include "db/PostgresVerbindung.h"
#include "db/Serveradresse.h"
#include "db/Serveranmeldung.h"
#include "db/Servermeldung.h"
#include "db/SqlStatement.h"

#include <QFileInfo>
#include <QSqlError>
#include <QThread>

#include <optional>

namespace {

const QString readOnlyOption = QStringLiteral("QSQLITE_OPEN_READONLY");

// The program works on one thread; a second thread (a second user in the concurrency tests) has a
// connection of its own, as Qt demands.
QString verbindungsname()
{
    return QStringLiteral("varno-%1").arg(reinterpret_cast<quintptr>(QThread::currentThreadId()));
}

// What the open connection was made with, to open it again after the server broke it off.
struct Verbindungsdaten {
    QString ort;
    std::optional<Serveranmeldung> server;
    Dialekt dialekt{Datenbankart::SQLite};
    bool nurLesen = false;
};

std::optional<Verbindungsdaten>& offen()
{
    thread_local std::optional<Verbindungsdaten> daten;
    return daten;
}

void qtVerbindungOeffnen(QSqlDatabase& db)
{
    if (!db.open()) {
        const QString message = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(verbindungsname());
        throw DatabaseError(message);
    }
}

void dateiVerbinden(const QString& path, Database::Access access)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), verbindungsname());
    db.setDatabaseName(path);
    const bool nurLesen = access == Database::Access::ReadOnly;
    if (nurLesen)
        db.setConnectOptions(readOnlyOption);
    qtVerbindungOeffnen(db);
    offen() = Verbindungsdaten{path, std::nullopt, Dialekt(Datenbankart::SQLite), nurLesen};
    SqlStatement::direkt(QStringLiteral("PRAGMA busy_timeout = %1").arg(Database::sperrWartezeitMs));
}

// Notices ("table already exists, skipping") are no concern of the user's; a logbook opened for
// reading refuses every change on the server as SQLite does on a write-protected file.
int& serverWartezeit()
{
    static int sekunden = 0;
    return sekunden;
}

void serverEinstellen()
{
    SqlStatement::direkt(QStringLiteral("SET client_min_messages = warning"));
    // A number of the program's own; SET takes no bound value.
    SqlStatement::direkt(QStringLiteral("SET lock_timeout = %1").arg(serverWartezeit() * 1000));
    if (offen()->nurLesen)
        SqlStatement::direkt(QStringLiteral("SET default_transaction_read_only = on"));
}

void serverVerbinden(const QString& ort, Database::Access access)
{
    const Serveranmeldung anmeldung = Serveranmeldung::anmelden(serveradresseLesen(ort));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), verbindungsname());
    anmeldung.einrichten(db);
    qtVerbindungOeffnen(db);
    servermeldung::hinweiseUmleiten(postgresVerbindung(db));
    offen() = Verbindungsdaten{ort, anmeldung, Dialekt(Datenbankart::PostgreSQL),
                               access == Database::Access::ReadOnly};
    serverEinstellen();
}

void wiederVerbinden(QSqlDatabase& db)
{
    db.close();
    if (!db.open())
        throw DatabaseError(servermeldung::verbindungsfehler(db.lastError().text()));
    serverEinstellen();
}

} // namespace

namespace Database {

void verbinden(const QString& ort, Access access)
{
    if (!istServeradresse(ort) && !QFileInfo::exists(ort))
        throw DatabaseError(QStringLiteral("Die Datenbank %1 wurde nicht gefunden.").arg(ort));
    Database::schliessen();
    if (istServeradresse(ort))
        serverVerbinden(ort, access);
    else
        dateiVerbinden(ort, access);
}

bool isOpen()
{
    return QSqlDatabase::contains(verbindungsname()) && QSqlDatabase::database(verbindungsname(), false).isOpen();
}

bool isServer()
{
    return offen() && offen()->server.has_value();
}

bool isReadOnly()
{
    return isOpen() && offen() && offen()->nurLesen;
}

void setServerWartezeit(int sekunden)
{
    serverWartezeit() = sekunden;
}

void schliessen()
{
    // SQLite keeps the file open while a statement on it lives.
    anweisungsvorrat::leeren();
    offen().reset();
    if (!QSqlDatabase::contains(verbindungsname()))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(verbindungsname(), false);
        db.close();
    }
    QSqlDatabase::removeDatabase(verbindungsname());
}

QSqlDatabase connection()
{
    if (!QSqlDatabase::contains(verbindungsname()) || !offen())
        throw DatabaseError(QStringLiteral("Es besteht keine Verbindung zur Datenbank."));
    QSqlDatabase db = QSqlDatabase::database(verbindungsname(), false);
    if (offen()->server && postgresVerbindungAbgerissen(db))
        wiederVerbinden(db);
    return db;
}

const Dialekt& dialekt()
{
    if (!offen())
        throw DatabaseError(QStringLiteral("Es besteht keine Verbindung zur Datenbank."));
    return offen()->dialekt;
}

QString ort()
{
    return offen() ? offen()->ort : QString();
}

QStringList companionFiles(const QString& path)
{
    return {path + QStringLiteral("-journal"), path + QStringLiteral("-wal"), path + QStringLiteral("-shm")};
}

} // namespace Database
