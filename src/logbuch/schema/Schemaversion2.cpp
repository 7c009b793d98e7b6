#include "logbuch/schema/Schemaversion2.h"

#include "common/Clock.h"
#include "db/Database.h"
#include "db/Dialekt.h"
#include "logbuch/kette/Kettenanhang.h"
#include "db/SqlStatement.h"

#include <QStringList>

namespace {

const QStringList statements = {
    // When a row was stored (NULL: stored before entry times were kept).
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN Erfasst {ZEIT}"),
    QStringLiteral("ALTER TABLE T_basis ADD COLUMN Erfasst {ZEIT}"),
    // A correction or cancellation is a row of its own that names the row it replaces.
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN ErsetztID INTEGER"),
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN Grund TEXT"),
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN Storniert INTEGER NOT NULL DEFAULT 0"),
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN Laufnr INTEGER"),
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN Vorgaenger {BYTES}"),
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN Pruefwert {BYTES}"),
    QStringLiteral("ALTER TABLE T_basis ADD COLUMN Laufnr INTEGER"),
    QStringLiteral("ALTER TABLE T_basis ADD COLUMN Vorgaenger {BYTES}"),
    QStringLiteral("ALTER TABLE T_basis ADD COLUMN Pruefwert {BYTES}"),
    QStringLiteral("CREATE TABLE T_Protokoll (ID {SCHLUESSEL}, Zeit {ZEIT} NOT NULL, "
                   "Ereignis TEXT NOT NULL, Beschreibung TEXT NOT NULL, Laufnr INTEGER, Vorgaenger {BYTES}, "
                   "Pruefwert {BYTES})"),
    QStringLiteral("CREATE TABLE T_Pruefkette (Kette TEXT PRIMARY KEY, Anzahl INTEGER NOT NULL, Kopf {BYTES} NOT NULL)"),
    // Few rows are ever replaced; the lists look them up on every showing.
    QStringLiteral("CREATE INDEX IX_MIREL_ErsetztID ON T_MIREL (ErsetztID) WHERE ErsetztID IS NOT NULL"),
};

} // namespace

namespace schemaversion2 {

const QStringList& definitionen()
{
    return statements;
}

void anlegen()
{
    for (const QString& sql : statements)
        SqlStatement::direkt(Database::dialekt().tabelle(sql));
    // The rows of this step have no column for who stored them yet.
    Kettenanhang kette(Clock::now(), pruefkette::Form::OhneBenutzer);
    const qint64 fahrten = kette.aufnehmen(pruefkette::Kette::Fahrtenbuch);
    const qint64 rohfahrten = kette.aufnehmen(pruefkette::Kette::Rohfahrten);
    kette.protokollieren(Ereignis::KetteBegonnen,
                         QStringLiteral("Prüfkette begonnen: %1 Fahrtenbucheinträge und %2 Rohfahrten, gespeichert vor "
                                        "Einführung der Prüfkette, sind in die Kette aufgenommen.")
                             .arg(fahrten)
                             .arg(rohfahrten));
    kette.kopfSchreiben();
}

} // namespace schemaversion2
