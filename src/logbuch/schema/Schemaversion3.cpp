#include "logbuch/schema/Schemaversion3.h"

#include "db/DatabaseError.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"

namespace schemaversion3 {

const QString kartenschluessel =
    QStringLiteral("CREATE UNIQUE INDEX UX_basis_Fahrt ON T_basis (CFID, Startzeit, KFZid)");

// Only the user can tell which of two equal rows is right, so such a pair is named, not resolved.
void anlegen()
{
    SqlStatement doppelt(QStringLiteral("SELECT CFID, Startzeit, KFZid FROM T_basis WHERE Startzeit IS NOT NULL "
                                        "GROUP BY CFID, Startzeit, KFZid HAVING COUNT(*) > 1"));
    doppelt.exec();
    if (doppelt.next())
        throw DatabaseError(QStringLiteral("Die Fahrt der Speicherkarte %1 vom %2 für %3 ist doppelt gespeichert. "
                                           "Das Fahrtenbuch kann so nicht für mehrere Benutzer eingerichtet werden.")
                                .arg(doppelt.text(QStringLiteral("CFID")),
                                     sqldate::germanDateTime(doppelt.value(QStringLiteral("Startzeit"))),
                                     doppelt.text(QStringLiteral("KFZid"))));
    SqlStatement::direkt(kartenschluessel);
}

} // namespace schemaversion3
