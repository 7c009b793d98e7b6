#include "db/Schemaversion4.h"

#include "common/Clock.h"
#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/Kettenanhang.h"
#include "db/SqlStatement.h"

namespace {

// NULL in the rows stored before: they keep their chain values (see Pruefkette.h).
const QStringList statements = {
    QStringLiteral("ALTER TABLE T_MIREL ADD COLUMN Benutzer TEXT"),
    QStringLiteral("ALTER TABLE T_basis ADD COLUMN Benutzer TEXT"),
    QStringLiteral("ALTER TABLE T_Protokoll ADD COLUMN Benutzer TEXT"),
};

// A logbook set back to an older version number by hand may have the column already.
bool hatBenutzerspalte(const QString& anweisung)
{
    const QString tabelle = anweisung.section(QLatin1Char(' '), 2, 2);
    SqlStatement leer(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(tabelle));
    leer.exec();
    return leer.spalten().contains(QStringLiteral("Benutzer"), Qt::CaseInsensitive);
}

// "Stand davor: Prüfwert …, 3 Fahrtenbucheinträge …; letzte Werte T_MIREL …"
QString standDavor(const pruefkette::Koepfe& koepfe)
{
    QStringList koepfeText;
    qint64 eintraege = 0;
    for (pruefkette::Kette kette : pruefkette::alleKetten) {
        const pruefkette::Kopf& kopf = koepfe[pruefkette::index(kette)];
        koepfeText << QStringLiteral("%1 %2 Einträge, letzter Wert %3")
                          .arg(pruefkette::tabelle(kette))
                          .arg(kopf.anzahl)
                          .arg(QString::fromLatin1(kopf.wert.toHex()).toUpper());
        eintraege += kopf.anzahl;
    }
    return QStringLiteral("Von nun an nennt jeder Eintrag, wer ihn gespeichert hat. Stand davor laut den Vermerken "
                          "der Prüfkette: Prüfwert %1 (%2 Einträge; %3).")
        .arg(pruefkette::vollanzeige(pruefkette::gesamtwert(koepfe)))
        .arg(eintraege)
        .arg(koepfeText.join(QStringLiteral("; ")));
}

} // namespace

namespace schemaversion4 {

const QStringList& definitionen()
{
    return statements;
}

void anlegen(bool mitKette)
{
    for (const QString& sql : statements)
        if (!hatBenutzerspalte(sql))
            SqlStatement::direkt(Database::dialekt().tabelle(sql));
    if (!mitKette)
        return;
    Kettenanhang kette(Clock::now());
    pruefkette::Koepfe koepfe;
    const auto vermerkt = vermerkteKoepfe();
    for (std::size_t i = 0; i < koepfe.size(); ++i)
        koepfe[i] = vermerkt[i].value_or(pruefkette::Kopf{});
    kette.protokollieren(Ereignis::BenutzerErfasst, standDavor(koepfe));
    kette.kopfSchreiben();
}

} // namespace schemaversion4
