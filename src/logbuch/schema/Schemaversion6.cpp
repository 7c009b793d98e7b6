#include "logbuch/schema/Schemaversion6.h"

#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/SqlStatement.h"

namespace {

// Empty: no service, and the system's certificates.
const QStringList statements = {
    QStringLiteral("ALTER TABLE T_Optionen ADD COLUMN Zeitstempeldienst TEXT NOT NULL DEFAULT ''"),
    QStringLiteral("ALTER TABLE T_Optionen ADD COLUMN Zeitstempelzertifikat TEXT NOT NULL DEFAULT ''"),
};

} // namespace

namespace schemaversion6 {

const QStringList& definitionen()
{
    return statements;
}

void anlegen()
{
    SqlStatement leer(QStringLiteral("SELECT * FROM T_Optionen WHERE 1 = 0"));
    leer.exec();
    const QStringList vorhanden = leer.spalten();
    for (const QString& sql : statements)
        // A logbook set back to an older version number by hand may have the column already.
        if (!vorhanden.contains(sql.section(QLatin1Char(' '), 5, 5), Qt::CaseInsensitive))
            SqlStatement::direkt(Database::dialekt().tabelle(sql));
}

} // namespace schemaversion6
