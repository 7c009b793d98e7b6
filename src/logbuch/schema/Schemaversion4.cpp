#include "logbuch/schema/Schemaversion4.h"

#include "logbuch/kette/Kettenstand.h"

namespace {

// NULL in the rows stored before: they keep their chain values (see Pruefkette.h).
const QStringList statements = {
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN Benutzer TEXT"),
    QStringLiteral("ALTER TABLE T_basis ADD COLUMN Benutzer TEXT"),
    QStringLiteral("ALTER TABLE T_Protokoll ADD COLUMN Benutzer TEXT"),
};

} // namespace

namespace schemaversion4 {

const QStringList& definitionen()
{
    return statements;
}

void anlegen(bool mitKette)
{
    kettenstand::erweitern(statements, mitKette,
                           QStringLiteral("Von nun an nennt jeder Eintrag, wer ihn gespeichert hat."));
}

} // namespace schemaversion4
