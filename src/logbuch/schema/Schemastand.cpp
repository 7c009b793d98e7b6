#include "logbuch/schema/Schemastand.h"

#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/SqlStatement.h"

namespace schemastand {

int lesen()
{
    const Dialekt& dialekt = Database::dialekt();
    if (dialekt.hatKopfnummer())
        return dialekt.kopfnummer();
    if (!dialekt.tabelleVorhanden(servertabelle))
        return 0;
    return SqlStatement::scalarInt(QStringLiteral("SELECT MAX(version) FROM %1").arg(servertabelle));
}

void setzen(int version)
{
    const Dialekt& dialekt = Database::dialekt();
    if (dialekt.hatKopfnummer()) {
        dialekt.kopfnummerSetzen(version);
        return;
    }
    SqlStatement::direkt(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (version INTEGER NOT NULL)").arg(servertabelle));
    SqlStatement(QStringLiteral("DELETE FROM %1").arg(servertabelle)).exec();
    SqlStatement(QStringLiteral("INSERT INTO %1 (version) VALUES (?)").arg(servertabelle)).bind(version).exec();
}

} // namespace schemastand
