#include "entry/EingabeStore.h"

#include "common/GermanFormat.h"
#include "db/Database.h"
#include "db/Dialekt.h"
#include "logbuch/kette/Fahrtfassung.h"
#include "logbuch/FahrzeugStore.h"
#include "logbuch/KFZEintrag.h"
#include "db/Sperrwarten.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"
#include "logbuch/StammdatenStore.h"
#include "logbuch/StammfahrtStore.h"
#include "entry/Fahrtspeicherung.h"

#include <optional>

namespace {

std::optional<int> optionaleId(const SqlStatement& s, const QString& spalte)
{
    return s.isNull(spalte) ? std::nullopt : std::optional<int>(s.intValue(spalte));
}

QVariant zeitOderNull(const QDateTime& zeit)
{
    return zeit.isValid() ? QVariant(sqldate::toSql(zeit)) : QVariant();
}

// Holds back every other user's save for this vehicle until the transaction ends; returns its input type.
int fahrzeugSperren(int kfz)
{
    std::optional<int> eingabeart;
    sperrwarten::abwarten([&] {
        SqlStatement s(QStringLiteral("SELECT Eingabeart FROM T_KFZ WHERE ID = ?") + Database::dialekt().sperrend());
        s.bind(kfz).exec();
        if (s.next())
            eingabeart = s.intValue("Eingabeart");
    });
    if (!eingabeart)
        throw Fahrtkonflikt(QStringLiteral("Das Fahrzeug ist nicht mehr im Fahrtenbuch."));
    return *eingabeart;
}

// A trip typed by hand continues the vehicle's last trip as the window showed it: from its odometer
// on and, for a vehicle without recorder, not before its arrival.
void folgtDerLetztenFahrt(const fahrtspeicherung::Auftrag& f, bool vonHand)
{
    const std::vector<Logbuchzeile> letzte = EingabeStore::letzteFahrten(f.fahrzeug, 1);
    if (letzte.empty())
        return;
    const Logbuchzeile& l = letzte.front();
    const bool frueher = vonHand && f.abDat.isValid() && l.anDat.isValid() && f.abDat < l.anDat;
    if (f.kmAb < l.kmAn || frueher)
        throw Fahrtkonflikt(QStringLiteral("Inzwischen wurde eine weitere Fahrt dieses Fahrzeugs gespeichert "
                                           "(Ankunft %1, Kilometerstand %2). Ihre Fahrt wurde nicht gespeichert; "
                                           "die letzte Fahrt wird neu angezeigt.")
                                .arg(german::dateTime(l.anDat), QString::number(l.kmAn)));
}

void rohfahrtAbhaken(int rohfahrt, Kettenanhang& kette)
{
    if (!kette.rohfahrtAbhaken(rohfahrt))
        throw Rohfahrtkonflikt(QStringLiteral("Diese Fahrt der Speicherkarte wurde inzwischen schon erfasst. Ihre Fahrt "
                                           "wurde nicht gespeichert; die Liste wird neu geladen."));
}

} // namespace

namespace EingabeStore {

Stammdaten stammdaten()
{
    return {Stammliste(StammdatenStore::nachName(Stammtabelle::Orte)), Stammliste(StammdatenStore::fahrtarten()),
            Stammliste(StammdatenStore::nachName(Stammtabelle::Zwecke)),
            Stammliste(StammdatenStore::nachName(Stammtabelle::Kategorien)),
            Stammliste(StammdatenStore::nachId(Stammtabelle::Fahrer))};
}

std::vector<Logbuchzeile> letzteFahrten(int kfz, int anzahl)
{
    std::vector<Logbuchzeile> zeilen;
    SqlStatement s(
        QStringLiteral("SELECT ID, AbDat, AnDat, km_an, Start, Ziel, Art, Zweck, Kategorie, Fahrer FROM T_MIREL m "
                       "WHERE KFZ = ? AND %1 ORDER BY AbDat DESC NULLS LAST, ID DESC LIMIT ?")
            .arg(fahrtfassung::aktuell(QStringLiteral("m"))));
    s.bind(kfz).bind(anzahl).exec();
    while (s.next())
        zeilen.push_back({s.intValue("ID"), sqldate::fromSql(s.value("AbDat")).value_or(QDateTime()),
                          sqldate::fromSql(s.value("AnDat")).value_or(QDateTime()), s.intValue("km_an"),
                          optionaleId(s, "Start"), optionaleId(s, "Ziel"), s.intValue("Art"), optionaleId(s, "Zweck"),
                          optionaleId(s, "Kategorie"), optionaleId(s, "Fahrer")});
    return zeilen;
}

std::vector<Rohfahrt> unbearbeiteteRohfahrten(int kfz)
{
    std::vector<Rohfahrt> fahrten;
    // The card's driver is named only for records the recorder stored as OK.
    SqlStatement s("SELECT b.ID, b.Startzeit, b.Startkm, b.Zielzeit, b.Zielkm, b.CF, b.Art, b.Ort, b.Grund, b.Kat, "
                   "CASE WHEN b.CF = 0 THEN (SELECT f.Bezeichnung FROM T_CF c JOIN T_Fahrer f ON f.ID = c.Fahrer "
                   "WHERE c.CF = b.CFID LIMIT 1) END AS FahrerName "
                   "FROM T_basis b WHERE b.KFZid = ? AND NOT b.Art = 'M' AND b.bearbeitet = 0 "
                   "ORDER BY b.Startzeit NULLS FIRST");
    s.bind(FahrzeugStore::schluessel(kfz)).exec();
    while (s.next()) {
        const QString fahrer = s.text("FahrerName");
        fahrten.push_back({s.intValue("ID"), sqldate::fromSql(s.value("Startzeit")), s.intValue("Startkm"),
                           sqldate::fromSql(s.value("Zielzeit")), s.intValue("Zielkm"),
                           fahrer.isEmpty() ? QStringLiteral("unbekannt") : fahrer, s.intValue("CF"), s.text("Art"),
                           s.text("Ort"), s.text("Grund"), s.text("Kat")});
    }
    return fahrten;
}

int hoechsteFahrtdauer()
{
    return SqlStatement::scalarInt("SELECT tFahrt FROM T_Optionen LIMIT 1");
}

int hoechsteDurchschnittsgeschwindigkeit()
{
    return SqlStatement::scalarInt("SELECT V FROM T_Optionen LIMIT 1");
}

Fahrtenbucheintrag fahrtenbucheintrag(const fahrtspeicherung::Auftrag& f, Kettenanhang& kette)
{
    // In the order the program has always created new names in.
    const int start = StammdatenStore::idFuer(Stammtabelle::Orte, f.von, kette);
    const int ziel = StammdatenStore::idFuer(Stammtabelle::Orte, f.nach, kette);
    const int zweck = StammdatenStore::idFuer(Stammtabelle::Zwecke, f.zweck, kette);
    const int kategorie = StammdatenStore::idFuer(Stammtabelle::Kategorien, f.kategorie, kette);
    const int fahrer = StammdatenStore::idFuer(Stammtabelle::Fahrer, f.fahrer, kette);
    return {.kfz = f.fahrzeug,
            .abDat = zeitOderNull(f.abDat),
            .anDat = zeitOderNull(f.anDat),
            .kmAb = f.kmAb,
            .kmAn = f.kmAn,
            .start = start,
            .ziel = ziel,
            .art = f.art,
            .zweck = zweck,
            .kategorie = kategorie,
            .fahrer = fahrer,
            .bemerkung = f.bemerkung};
}

bool fahrtSpeichern(const fahrtspeicherung::Auftrag& f)
{
    Kettentransaktion transaktion;
    const bool vonHand = fahrzeugSperren(f.fahrzeug) == EingabeManuell;
    if (!f.rohfahrt)
        folgtDerLetztenFahrt(f, vonHand);
    const Fahrtenbucheintrag eintrag = fahrtenbucheintrag(f, transaktion);
    transaktion.anhaengen(eintrag);
    // The raw trip is marked by its own row: another vehicle's trip may share its start time.
    if (f.rohfahrt)
        rohfahrtAbhaken(*f.rohfahrt, transaktion);
    const bool neueStammfahrt =
        !f.stammfahrtKm || StammfahrtStore::anlegen({eintrag.start.toInt(), eintrag.ziel.toInt(), *f.stammfahrtKm,
                                                     eintrag.zweck.toInt(), eintrag.kategorie.toInt(), f.art});
    transaktion.commit();
    return neueStammfahrt;
}

} // namespace EingabeStore
