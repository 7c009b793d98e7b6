#include "audit/export/VerfahrensangabenStore.h"

#include "audit/Ankerdatei.h"
#include "audit/Pruefstand.h"
#include "audit/Verankerung.h"
#include "audit/ZeitstempelStore.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "db/Dialekt.h"
#include "logbuch/kette/Fahrtfassung.h"
#include "logbuch/kette/Kettenanhang.h"
#include "db/Lesestand.h"
#include "logbuch/OptionenStore.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"

#include <QCoreApplication>

namespace {

using Angaben = Verfahrensangaben;

const QString startsatz = QStringLiteral("99");

std::vector<Angaben::Fahrzeug> fahrzeuge()
{
    SqlStatement s(QStringLiteral("SELECT k.KZuFzg, k.Eingabeart, k.Abgeschlossen, (SELECT COUNT(*) FROM T_MIREL m "
                                  "WHERE m.KFZ = k.ID AND m.Art <> %1 AND %2) FROM T_KFZ k ORDER BY k.ID")
                       .arg(startsatz, fahrtfassung::aktuell(QStringLiteral("m"))));
    s.exec();
    std::vector<Angaben::Fahrzeug> liste;
    while (s.next())
        liste.push_back({s.value(0).toString(), s.value(1).toInt(), s.value(2).toInt() != 0, s.value(3).toLongLong()});
    return liste;
}

void ersetzungenZaehlen(Angaben& angaben)
{
    SqlStatement s(QStringLiteral("SELECT Storniert, COUNT(*) FROM T_MIREL WHERE ErsetztID IS NOT NULL GROUP BY "
                                  "Storniert"));
    s.exec();
    while (s.next())
        (s.value(0).toInt() != 0 ? angaben.stornierungen : angaben.korrekturen) = s.value(1).toLongLong();
}

void zeitraumLesen(Angaben& angaben)
{
    SqlStatement s(QStringLiteral("SELECT MIN(AbDat), MAX(AnDat) FROM T_MIREL WHERE Art <> %1").arg(startsatz));
    s.exec();
    if (!s.next() || s.value(0).isNull())
        return;
    if (const auto erste = sqldate::fromSql(s.value(0)))
        angaben.ersteFahrt = erste->date();
    if (const auto letzte = sqldate::fromSql(s.value(1)))
        angaben.letzteFahrt = letzte->date();
}

std::vector<Angaben::Benutzer> benutzer()
{
    SqlStatement s(QStringLiteral("SELECT Benutzer, COUNT(*) FROM (SELECT Benutzer FROM T_MIREL UNION ALL SELECT "
                                  "Benutzer FROM T_basis UNION ALL SELECT Benutzer FROM T_Protokoll) alle WHERE "
                                  "Benutzer IS NOT NULL GROUP BY Benutzer ORDER BY Benutzer"));
    s.exec();
    std::vector<Angaben::Benutzer> liste;
    while (s.next())
        liste.push_back({s.value(0).toString(), s.value(1).toLongLong()});
    return liste;
}

std::vector<Angaben::Ruecksicherung> ruecksicherungen()
{
    SqlStatement s(QStringLiteral("SELECT Zeit, Beschreibung FROM T_Protokoll WHERE Ereignis = ? ORDER BY ID"));
    s.bind(ereignisText(Ereignis::Ruecksicherung)).exec();
    std::vector<Angaben::Ruecksicherung> liste;
    while (s.next())
        liste.push_back({sqldate::germanDateTime(s.value(0)), s.value(1).toString()});
    return liste;
}

void ankerLesen(Angaben& angaben)
{
    const Ankerdatei datei(Ankerdatei::benutzerdatei());
    angaben.ankerdatei = datei.pfad();
    const QString logbuch = verankerung::logbuchname();
    for (const Anker& anker : datei.lesen().anker) {
        if (anker.logbuch != logbuch)
            continue;
        angaben.anker.push_back(anker);
        if (anker.anlass == QLatin1String("Datensicherung"))
            angaben.sicherungen.push_back(anker);
    }
}

void zeitstempelLesen(Angaben& angaben)
{
    angaben.zeitstempeldienst = OptionenStore::zeitstempelung().dienst;
    for (const ZeitstempelStore::Eintrag& eintrag : ZeitstempelStore::alle())
        if (eintrag.zeitstempel)
            angaben.zeitstempel.push_back(*eintrag.zeitstempel);
}

} // namespace

namespace VerfahrensangabenStore {

Verfahrensangaben lesen()
{
    const Lesestand stand;
    Angaben angaben;
    angaben.programmversion = QCoreApplication::applicationVersion();
    angaben.logbuch = verankerung::logbuchname();
    angaben.datenbank =
        Database::dialekt().art() == Datenbankart::PostgreSQL ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite");
    angaben.stand = Clock::today();
    angaben.fahrzeuge = fahrzeuge();
    ersetzungenZaehlen(angaben);
    zeitraumLesen(angaben);
    angaben.rohfahrten = SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_basis"));
    angaben.protokolleintraege = SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_Protokoll"));
    angaben.benutzer = benutzer();
    angaben.ruecksicherungen = ruecksicherungen();
    angaben.pruefung = Pruefstand().aktuell();
    ankerLesen(angaben);
    zeitstempelLesen(angaben);
    return angaben;
}

} // namespace VerfahrensangabenStore
