#include "db/PostgresVerbindung.h"

#include "db/DatabaseError.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <libpq-fe.h>

namespace {

PGconn* handle(const QSqlDatabase& db)
{
    if (!db.driver())
        return nullptr;
    const QVariant wert = db.driver()->handle();
    if (!wert.isValid() || qstrcmp(wert.typeName(), "pg_conn*") != 0)
        return nullptr;
    return *static_cast<PGconn* const*>(wert.constData());
}

} // namespace

pg_conn* postgresVerbindung(const QSqlDatabase& db)
{
    PGconn* verbindung = handle(db);
    if (!verbindung)
        throw DatabaseError(QStringLiteral("Die Verbindung zum Datenbankserver ist nicht geöffnet."));
    return verbindung;
}

bool postgresVerbindungAbgerissen(const QSqlDatabase& db)
{
    PGconn* verbindung = handle(db);
    return verbindung && PQstatus(verbindung) == CONNECTION_BAD;
}

void abrissMelden(const QSqlDatabase& db)
{
    if (postgresVerbindungAbgerissen(db))
        throw DatabaseError(QStringLiteral("Die Verbindung zum Datenbankserver ist abgerissen; es wurde nichts "
                                           "gespeichert. Bitte versuchen Sie es noch einmal, sobald der Server "
                                           "wieder erreichbar ist."));
}
