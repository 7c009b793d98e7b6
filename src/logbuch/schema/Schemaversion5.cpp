#include "logbuch/schema/Schemaversion5.h"

#include "logbuch/kette/Kettenstand.h"
#include "db/SqlStatement.h"

namespace {

// NULL in the rows stored before: they keep their chain values (see Pruefkette.h).
const QStringList statements = {
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN StartName TEXT"),
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN ZielName TEXT"),
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN ArtName TEXT"),
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN ArtKurz TEXT"),
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN ZweckName TEXT"),
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN KategorieName TEXT"),
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN FahrerName TEXT"),
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN Kennzeichen TEXT"),
};

// "Orte: 1 „Büro“, 2 „Kunde“" in the order of the IDs.
QString namensliste(const QString& wort, const QString& abfrage)
{
    SqlStatement s(abfrage);
    s.exec();
    QStringList namen;
    while (s.next()) {
        QString name = QStringLiteral("%1 „%2“").arg(s.value(0).toString(), s.value(1).toString());
        if (s.spalten().size() > 2)
            name += QStringLiteral(" (%1)").arg(s.value(2).toString());
        namen << name;
    }
    return wort + QStringLiteral(": ") + (namen.isEmpty() ? QStringLiteral("keine") : namen.join(QStringLiteral(", ")));
}

QString stammnamen()
{
    return QStringList{
        namensliste(QStringLiteral("Orte"), QStringLiteral("SELECT ID, Bezeichnung FROM T_ORTE ORDER BY ID")),
        namensliste(QStringLiteral("Zwecke"), QStringLiteral("SELECT ID, Bezeichnung FROM T_ZWECK ORDER BY ID")),
        namensliste(QStringLiteral("Kategorien"),
                    QStringLiteral("SELECT ID, Bezeichnung FROM T_Kategorie ORDER BY ID")),
        namensliste(QStringLiteral("Fahrer"), QStringLiteral("SELECT ID, Bezeichnung FROM T_Fahrer ORDER BY ID")),
        namensliste(QStringLiteral("Fahrtarten"),
                    QStringLiteral("SELECT ID, Bezeichnung, Abkuerzung FROM T_ART ORDER BY ID")),
        namensliste(QStringLiteral("Fahrzeuge"), QStringLiteral("SELECT ID, KZuFzg FROM T_KFZ ORDER BY ID"))}
        .join(QStringLiteral("; "));
}

} // namespace

namespace schemaversion5 {

const QStringList& definitionen()
{
    return statements;
}

void anlegen(bool mitKette)
{
    kettenstand::erweitern(
        statements, mitKette,
        QStringLiteral("Von nun an behält jede Fahrt die Namen, die sie druckt. Fahrten davor drucken "
                       "die Namen der Stammdaten, die in diesem Moment lauten: %1.")
            .arg(stammnamen()));
}

} // namespace schemaversion5
