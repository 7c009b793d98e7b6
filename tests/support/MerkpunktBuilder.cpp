#include "support/MerkpunktBuilder.h"

#include "db/SqlDate.h"
#include "db/SqlStatement.h"

namespace build {

void merkpunkt(const Merkpunkt& m)
{
    SqlStatement("INSERT INTO T_Merkpunkte (Zeit, KM, Bemerkung, Fahrer, KFZ) VALUES (?, ?, ?, ?, ?)")
        .bind(m.zeit.isValid() ? QVariant(sqldate::toSql(m.zeit)) : QVariant())
        .bind(m.km)
        .bind(m.bemerkung)
        .bind(m.karte)
        .bind(m.kfzSchluessel)
        .exec();
}

void kartenfahrer(const QString& karte, int fahrerId)
{
    SqlStatement("INSERT INTO T_CF (CF, Fahrer) VALUES (?, ?)").bind(karte).bind(fahrerId).exec();
}

} // namespace build
