#include "entry/EingabeStore.h"

#include "db/FahrzeugStore.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"
#include "db/StammdatenStore.h"
#include "db/StammfahrtStore.h"
#include "entry/Fahrtspeicherung.h"

namespace {

std::optional<int> optionaleId(const SqlStatement& s, const QString& spalte)
{
    return s.isNull(spalte) ? std::nullopt : std::optional<int>(s.intValue(spalte));
}

QVariant zeitOderNull(const QDateTime& zeit)
{
    return zeit.isValid() ? QVariant(sqldate::toSql(zeit)) : QVariant();
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
    SqlStatement s("SELECT AbDat, AnDat, km_an, Start, Ziel, Art, Zweck, Kategorie, Fahrer FROM T_MIREL "
                   "WHERE KFZ = ? ORDER BY AbDat DESC NULLS LAST, ID DESC LIMIT ?");
    s.bind(kfz).bind(anzahl).exec();
    while (s.next())
        zeilen.push_back({sqldate::fromSql(s.value("AbDat")).value_or(QDateTime()),
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

bool fahrtSpeichern(const fahrtspeicherung::Auftrag& f)
{
    Transaction transaktion;
    // In the order the program has always created new names in.
    const int start = StammdatenStore::idFuer(Stammtabelle::Orte, f.von);
    const int ziel = StammdatenStore::idFuer(Stammtabelle::Orte, f.nach);
    const int zweck = StammdatenStore::idFuer(Stammtabelle::Zwecke, f.zweck);
    const int kategorie = StammdatenStore::idFuer(Stammtabelle::Kategorien, f.kategorie);
    const int fahrer = StammdatenStore::idFuer(Stammtabelle::Fahrer, f.fahrer);
    SqlStatement("INSERT INTO T_MIREL (KFZ, AbDat, AnDat, km_ab, km_an, Start, Ziel, Art, Zweck, Kategorie, Fahrer, "
                 "Bemerkung) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .bind(f.fahrzeug).bind(zeitOderNull(f.abDat)).bind(zeitOderNull(f.anDat)).bind(f.kmAb).bind(f.kmAn)
        .bind(start).bind(ziel).bind(f.art).bind(zweck).bind(kategorie).bind(fahrer).bind(f.bemerkung)
        .exec();
    // The raw trip is marked by its own row: another vehicle's trip may share its start time.
    if (f.rohfahrt)
        SqlStatement("UPDATE T_basis SET bearbeitet = 1 WHERE ID = ?").bind(*f.rohfahrt).exec();
    const bool neueStammfahrt =
        !f.stammfahrtKm || StammfahrtStore::anlegen({start, ziel, *f.stammfahrtKm, zweck, kategorie, f.art});
    transaktion.commit();
    return neueStammfahrt;
}

} // namespace EingabeStore
