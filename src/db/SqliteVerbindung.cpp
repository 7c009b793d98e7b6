#include "db/SqliteVerbindung.h"

#include "db/Database.h"
#include "db/DatabaseError.h"

#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

sqlite3* sqliteVerbindung()
{
    const QVariant handle = Database::connection().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw DatabaseError(QStringLiteral("Die Datenbankverbindung ist nicht geöffnet."));
    sqlite3* db = *static_cast<sqlite3* const*>(handle.constData());
    if (!db)
        throw DatabaseError(QStringLiteral("Die Datenbankverbindung ist nicht geöffnet."));
    return db;
}
