#include "db/Database.h"

#include "db/DatabaseError.h"
#include "db/Namensordnung.h"
#include "db/Schema.h"
#include "db/SqlStatement.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>

namespace {

const QString connectionName = QStringLiteral("varno");
const QString readOnlyOption = QStringLiteral("QSQLITE_OPEN_READONLY");

void openConnection(const QString& path, Database::Access access)
{
    Database::close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(path);
    if (access == Database::Access::ReadOnly)
        db.setConnectOptions(readOnlyOption);
    if (!db.open()) {
        const QString message = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        throw DatabaseError(message);
    }
    SqlStatement(QStringLiteral("PRAGMA busy_timeout = %1").arg(Database::sperrWartezeitMs)).exec();
}

} // namespace

namespace Database {

void open(const QString& path, Access access)
{
    openAsIs(path, access);
    try {
        namensordnung::einrichten();
        Schema::migrate();
    } catch (...) {
        close();
        throw;
    }
}

void openAsIs(const QString& path, Access access)
{
    if (!QFileInfo::exists(path))
        throw DatabaseError(QStringLiteral("Die Datenbank %1 wurde nicht gefunden.").arg(path));
    openConnection(path, access);
}

bool isOpen()
{
    return QSqlDatabase::contains(connectionName) && QSqlDatabase::database(connectionName, false).isOpen();
}

bool isReadOnly()
{
    return isOpen() && connection().connectOptions().contains(readOnlyOption);
}

void close()
{
    if (!QSqlDatabase::contains(connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

QSqlDatabase connection()
{
    if (!QSqlDatabase::contains(connectionName))
        throw DatabaseError(QStringLiteral("Es besteht keine Verbindung zur Datenbank."));
    return QSqlDatabase::database(connectionName, false);
}

void createNew(const QString& path)
{
    if (QFileInfo::exists(path))
        throw DatabaseError(QStringLiteral("Die Datei %1 ist bereits vorhanden.").arg(path));
    QFile file(path);
    // The logbook holds personal data: only its owner may read it.
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner))
        throw DatabaseError(
            QStringLiteral("Die Datei %1 konnte nicht angelegt werden: %2").arg(path, file.errorString()));
    file.close();
    try {
        openConnection(path, Access::ReadWrite);
        namensordnung::einrichten();
        Schema::create();
    } catch (...) {
        close();
        QFile::remove(path);
        throw;
    }
}

QStringList companionFiles(const QString& path)
{
    return {path + QStringLiteral("-journal"), path + QStringLiteral("-wal"), path + QStringLiteral("-shm")};
}

} // namespace Database
