#include "logbuch/Logbuch.h"

#include "db/Dialekt.h"
#include "db/Serveradresse.h"
#include "logbuch/ServerrechteStore.h"
#include "logbuch/schema/Schema.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A server database must hold a logbook the user may work with before it is opened, and must be
// empty before one is created there.
void serverPruefen(bool neuAnlegen)
{
    const bool leer = Database::dialekt().leer();
    if (!neuAnlegen && leer)
        throw Logbuch::LeereDatenbank(
            QStringLiteral("Die Datenbank %1 enthält noch kein Fahrtenbuch.").arg(Database::ort()));
    // A colleague without rights sees the tables but cannot use them: say which right is missing.
    if (!neuAnlegen)
        if (const auto recht = ServerrechteStore::fehlendesRecht(Database::isReadOnly()))
            throw DatabaseError(*recht);
    if (neuAnlegen && !leer)
        throw DatabaseError(QStringLiteral("Die Datenbank %1 ist nicht leer; ein neues Fahrtenbuch wird nur in "
                                           "einer leeren Datenbank angelegt.")
                                .arg(Database::ort()));
}

// Brings the schema of the fresh connection up to date or, for a new logbook, creates it; closes
// the connection again when that fails.
void einrichten(bool neuAnlegen)
{
    try {
        if (Database::isServer())
            serverPruefen(neuAnlegen);
        Database::dialekt().namensordnungEinrichten();
        if (neuAnlegen)
            Schema::create();
        else
            Schema::migrate();
    } catch (...) {
        Database::schliessen();
        throw;
    }
}

void neueDateiAnlegen(const QString& path)
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
        Database::verbinden(path, Database::Access::ReadWrite);
        einrichten(true);
    } catch (...) {
        Database::schliessen();
        QFile::remove(path);
        throw;
    }
}

} // namespace

namespace Logbuch {

void oeffnen(const QString& ort, Database::Access access)
{
    wieVorgefunden(ort, access);
    einrichten(false);
}

void wieVorgefunden(const QString& ort, Database::Access access)
{
    Database::verbinden(ort, access);
}

void anlegen(const QString& ort)
{
    if (!istServeradresse(ort)) {
        neueDateiAnlegen(ort);
        return;
    }
    Database::verbinden(ort, Database::Access::ReadWrite);
    einrichten(true);
}

} // namespace Logbuch
