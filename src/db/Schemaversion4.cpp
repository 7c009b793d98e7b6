#include "db/Schemaversion4.h"

#include "common/Clock.h"
#include "db/Kettenanhang.h"
#include "db/Kettenstand.h"
#include "db/Spaltenzugabe.h"

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
    spaltenHinzufuegen(statements);
    if (!mitKette)
        return;
    Kettenanhang kette(Clock::now());
    kette.protokollieren(Ereignis::KetteErweitert,
                         QStringLiteral("Von nun an nennt jeder Eintrag, wer ihn gespeichert hat. Stand davor laut den "
                                        "Vermerken der Prüfkette: %1.")
                             .arg(kettenstand::text(kettenstand::vermerkt())));
    kette.kopfSchreiben();
}

} // namespace schemaversion4
