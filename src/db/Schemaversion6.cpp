#include "db/Schemaversion6.h"

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
    for (const QString& sql : statements)
        SqlStatement::direkt(Database::dialekt().tabelle(sql));
}

} // namespace schemaversion6
