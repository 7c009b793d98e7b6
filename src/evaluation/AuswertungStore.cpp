#include "evaluation/AuswertungStore.h"

#include "db/Database.h"
#include "db/Dialekt.h"
#include "logbuch/kette/Fahrtfassung.h"
#include "logbuch/kette/Fahrtnamen.h"
#include "db/Namensordnung.h"
#include "db/Rohabfrage.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"
#include "logbuch/StammdatenStore.h"
#include "evaluation/Fahrtenleser.h"

#include <QVariantList>

#include <array>

#include <limits>

namespace {

using Eintrag = AuswertungStore::Eintrag;

std::vector<Eintrag> eintraege(const QString& sql)
{
    SqlStatement s(sql);
    s.exec();
    std::vector<Eintrag> liste;
    while (s.next())
        liste.push_back({s.value(0).toInt(), s.value(1).toString(), {}});
    return liste;
}

QHash<int, QString> namen(const QString& sql)
{
    QHash<int, QString> ergebnis;
    for (const Eintrag& e : eintraege(sql))
        ergebnis.insert(e.id, e.bezeichnung);
    return ergebnis;
}

QVariant iso(zeitpunkt::Sekunden zeit)
{
    return zeitpunkt::alsIso(zeit);
}

std::optional<zeitpunkt::Sekunden> zeit(const QVariant& wert)
{
    if (wert.isNull())
        return std::nullopt;
    const QString text = wert.toString();
    return zeitpunkt::ausIso(QStringView(text));
}

// The conditions of a filtered statement and the values bound to their placeholders, in order.
struct Bedingungen {
    QString sql;
    QVariantList werte;

    void und(const QString& bedingung, const QVariantList& neueWerte = {})
    {
        sql += QStringLiteral(" AND ") + bedingung;
        werte += neueWerte;
    }

    void wennGewaehlt(const QString& spalte, const std::optional<int>& id)
    {
        if (id)
            und(spalte + QStringLiteral(" = ?"), {*id});
    }
};

using fahrtnamen::Feld;

// The vehicle view counts every logbook row but the start records (short form "n") under the plate
// and the kind of trip it was stored with; a master row that is gone drops no trip. SQLite keeps
// the logbook the outer loop of a LEFT JOIN.
QString gefilterteFahrten()
{
    return QStringLiteral(" FROM T_MIREL m") + fahrtnamen::verbindung(Feld::Kennzeichen, QStringLiteral("k")) +
           fahrtnamen::verbindung(Feld::ArtKurz, QStringLiteral("a")) + QStringLiteral(" WHERE ") +
           fahrtnamen::ausdruck(Feld::ArtKurz, QStringLiteral("a")) + QStringLiteral(" <> 'n'");
}

// The trip list reads the logbook alone and checks the master rows itself.
const QString fahrtenOhneStartsatz =
    QStringLiteral(" FROM T_MIREL m WHERE m.Art NOT IN (SELECT ID FROM T_ART WHERE Abkuerzung = 'n')");

Bedingungen bedingungen(const Fahrtenfilter& filter)
{
    Bedingungen b;
    b.wennGewaehlt(QStringLiteral("m.KFZ"), filter.fahrzeug);
    if (filter.ohneMusterfahrzeug)
        b.und(QStringLiteral("m.KFZ <> 1"));
    b.wennGewaehlt(QStringLiteral("m.Fahrer"), filter.fahrer);
    b.wennGewaehlt(QStringLiteral("m.Zweck"), filter.zweck);
    b.wennGewaehlt(QStringLiteral("m.Kategorie"), filter.kategorie);
    b.wennGewaehlt(QStringLiteral("m.Art"), filter.art);
    b.wennGewaehlt(QStringLiteral("m.Start"), filter.von);
    b.wennGewaehlt(QStringLiteral("m.Ziel"), filter.nach);
    // A trip stored without a remark (NULL) is a trip without remark, not a trip to leave out.
    if (filter.bemerkung == Fahrtenfilter::Bemerkung::Ja)
        b.und(QStringLiteral("m.Bemerkung <> ''"));
    else if (filter.bemerkung == Fahrtenfilter::Bemerkung::Keine)
        b.und(QStringLiteral("(m.Bemerkung = '' OR m.Bemerkung IS NULL)"));
    b.und(fahrtfassung::keineStornierung(QStringLiteral("m")));
    if (!filter.mitErsetzten)
        b.und(fahrtfassung::nichtErsetzt(QStringLiteral("m")));
    b.und(QStringLiteral("m.km_ab >= ? AND m.km_an <= ?"), {filter.kmAb, filter.kmAn});
    // Over all vehicles a plain scan of the logbook beats hopping through the vehicle index, which
    // SQLite's planner has to be kept from for the departure bound.
    const QString abfahrt = QStringLiteral("m.AbDat");
    b.und((filter.fahrzeug ? abfahrt : Database::dialekt().ohneIndex(abfahrt)) +
              QStringLiteral(" >= ? AND m.AnDat <= ?"),
          {iso(filter.abfahrtAb), iso(filter.ankunftBis)});
    if (filter.abfahrtBis)
        b.und(QStringLiteral("m.AbDat <= ?"), {iso(*filter.abfahrtBis)});
    return b;
}

SqlStatement ausfuehren(const QString& sql, const QVariantList& werte)
{
    SqlStatement s(sql);
    for (const QVariant& wert : werte)
        s.bind(wert);
    s.exec();
    return s;
}

} // namespace

Stammnamen AuswertungStore::stammnamen() const
{
    Stammnamen n;
    n.orte = StammdatenStore::namenNachId(Stammtabelle::Orte);
    n.fahrzeuge = namen(QStringLiteral("SELECT ID, KZuFzg FROM T_KFZ"));
    n.fahrer = StammdatenStore::namenNachId(Stammtabelle::Fahrer);
    n.zwecke = StammdatenStore::namenNachId(Stammtabelle::Zwecke);
    n.kategorien = StammdatenStore::namenNachId(Stammtabelle::Kategorien);
    n.artKuerzel = namen(QStringLiteral("SELECT ID, Abkuerzung FROM T_ART"));
    n.artNamen = namen(QStringLiteral("SELECT ID, Bezeichnung FROM T_ART"));
    return n;
}

AuswertungStore::Stammlisten AuswertungStore::stammlisten() const
{
    Stammlisten listen;
    const QString name = namensordnung::spalte(u"Bezeichnung");
    listen.fahrzeuge =
        eintraege(QStringLiteral("SELECT ID, KZuFzg FROM T_KFZ ORDER BY %1, ID").arg(namensordnung::spalte(u"KZuFzg")));
    listen.orte = StammdatenStore::nachName(Stammtabelle::Orte);
    listen.arten = eintraege(QStringLiteral("SELECT ID, Bezeichnung FROM T_ART WHERE ID <> 99 ORDER BY %1").arg(name));
    listen.kategorien = StammdatenStore::nachName(Stammtabelle::Kategorien);
    listen.zwecke = StammdatenStore::nachName(Stammtabelle::Zwecke);
    listen.fahrer = StammdatenStore::nachId(Stammtabelle::Fahrer);
    return listen;
}

bool AuswertungStore::musterfahrzeugEinbeziehen() const
{
    return SqlStatement::scalarInt(QStringLiteral("SELECT Muster FROM T_Optionen LIMIT 1")) != 0;
}

void AuswertungStore::filterMerken(const FilterTexte& t) const
{
    // Only a note that nothing reads back: a write-protected logbook is evaluated without it.
    if (Database::isReadOnly())
        return;
    ausfuehren(QStringLiteral("UPDATE T_FILTER SET AbDat = ?, AnDat = ?, Von = ?, Nach = ?, km_ab = ?, km_an = ?, "
                              "KFZ = ?, Fahrer = ?, Zweck = ?, Kategorie = ?, Art = ?, Bemerkung = ? WHERE ID = 1"),
               {t.abDat, t.anDat, t.von, t.nach, t.kmAb, t.kmAn, t.fahrzeug, t.fahrer, t.zweck, t.kategorie, t.art,
                t.bemerkung});
}

AuswertungStore::Abfrage AuswertungStore::fahrtenAbfrage(const Fahrtenfilter& filter)
{
    const Bedingungen b = bedingungen(filter);
    return {
        QStringLiteral("SELECT m.ID, m.AbDat, m.AnDat, m.km_ab, m.km_an, m.Start, m.Ziel, m.KFZ, m.Fahrer, m.Zweck, "
                       "m.Kategorie, m.Art, CASE WHEN COALESCE(m.Bemerkung, '') <> '' THEN 1 ELSE 0 END, "
                       "m.StartName, m.ZielName, m.ArtName, m.ArtKurz, m.ZweckName, m.KategorieName, m.FahrerName, "
                       "m.Kennzeichen") +
            fahrtenOhneStartsatz + b.sql,
        b.werte};
}

qint64 AuswertungStore::geschaetzteAnzahl(const Fahrtenfilter& filter, std::optional<qint64> hoechstens) const
{
    Bedingungen b;
    b.wennGewaehlt(QStringLiteral("KFZ"), filter.fahrzeug);
    b.und(QStringLiteral("AbDat >= ? AND AbDat <= ?"), {iso(filter.abfahrtAb), iso(filter.ankunftBis)});
    if (!hoechstens)
        return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL WHERE 1 = 1") + b.sql, b.werte);
    return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM T_MIREL WHERE 1 = 1") + b.sql +
                                       QStringLiteral(" LIMIT ?) AS bis"),
                                   b.werte + QVariantList{*hoechstens});
}

Fahrtenliste AuswertungStore::fahrten(const Fahrtenfilter& filter, const Fortschritt& fortschritt) const
{
    Fahrtenleser leser(filter, fortschritt);
    std::vector<GelisteteFahrt> fahrten;
    leser.weiterlesen(fahrten, std::numeric_limits<std::size_t>::max());
    Fahrtenliste liste = leser.liste(std::move(fahrten));
    liste.ordnen();
    return liste;
}

QHash<int, Ersetzung> AuswertungStore::ersetzungen() const
{
    SqlStatement s(
        QStringLiteral("SELECT ErsetztID, Erfasst, Grund, Storniert FROM T_MIREL WHERE ErsetztID IS NOT NULL"));
    s.exec();
    QHash<int, Ersetzung> ergebnis;
    while (s.next())
        ergebnis.insert(s.value(0).toInt(),
                        {sqldate::germanDateTime(s.value(1)), s.value(2).toString(), s.value(3).toInt() != 0});
    return ergebnis;
}

QString AuswertungStore::erfasst(int fahrtId) const
{
    SqlStatement s = ausfuehren(QStringLiteral("SELECT Erfasst FROM T_MIREL WHERE ID = ?"), {fahrtId});
    return s.next() ? fahrtfassung::erfasst(s.value(0)) : QString();
}

QString AuswertungStore::gespeichertVon(int fahrtId) const
{
    SqlStatement s = ausfuehren(QStringLiteral("SELECT Benutzer FROM T_MIREL WHERE ID = ?"), {fahrtId});
    if (!s.next())
        return {};
    return s.isNull(QStringLiteral("Benutzer")) ? QStringLiteral("nicht erfasst") : s.text(QStringLiteral("Benutzer"));
}

AuswertungStore::Abfrage AuswertungStore::fahrerAbfrage(int fahrer, zeitpunkt::Sekunden abfahrtAb,
                                                        zeitpunkt::Sekunden ankunftBis)
{
    return {QStringLiteral("SELECT AbDat, AnDat, km_ab, km_an FROM T_MIREL m WHERE Fahrer = ? AND AbDat >= ? "
                           "AND AnDat <= ? AND %1 ORDER BY AbDat, ID")
                .arg(fahrtfassung::aktuell(QStringLiteral("m"))),
            {fahrer, iso(abfahrtAb), iso(ankunftBis)}};
}

namespace {

std::optional<zeitpunkt::Sekunden> zeit(const Rohabfrage& s, int spalte)
{
    qsizetype laenge = 0;
    const char* text = s.text(spalte, laenge);
    return zeitpunkt::ausIso(text, laenge);
}

} // namespace

std::vector<fahrerauswertung::Fahrt> AuswertungStore::fahrtenEinesFahrers(int fahrer, zeitpunkt::Sekunden abfahrtAb,
                                                                          zeitpunkt::Sekunden ankunftBis) const
{
    const Abfrage abfrage = fahrerAbfrage(fahrer, abfahrtAb, ankunftBis);
    Rohabfrage s(abfrage.sql, abfrage.werte);
    std::vector<fahrerauswertung::Fahrt> fahrten;
    while (s.next()) {
        const auto ab = zeit(s, 0);
        const auto an = zeit(s, 1);
        if (ab && an)
            fahrten.push_back({*ab, *an, s.zahl(2), s.zahl(3)});
    }
    return fahrten;
}

std::vector<AuswertungStore::FahrerMitFahrten> AuswertungStore::fahrerFahrten(zeitpunkt::Sekunden abfahrtAb,
                                                                              zeitpunkt::Sekunden ankunftBis) const
{
    std::vector<FahrerMitFahrten> ergebnis;
    for (const Eintrag& fahrer : StammdatenStore::nachName(Stammtabelle::Fahrer))
        ergebnis.push_back({fahrer.bezeichnung, fahrtenEinesFahrers(fahrer.id, abfahrtAb, ankunftBis)});
    return ergebnis;
}

AuswertungStore::Abfrage AuswertungStore::tagesAbfrage(int fahrer, const QDate& tag)
{
    // Every trip of the driver with the names it was stored with; a master row that is gone drops none.
    const std::array<std::pair<Feld, QString>, 5> felder = {{{Feld::Kennzeichen, QStringLiteral("k")},
                                                             {Feld::Start, QStringLiteral("s")},
                                                             {Feld::Ziel, QStringLiteral("d")},
                                                             {Feld::Zweck, QStringLiteral("z")},
                                                             {Feld::ArtKurz, QStringLiteral("a")}}};
    QStringList namen;
    QString verbindungen;
    for (const auto& [feld, alias] : felder) {
        namen << fahrtnamen::ausdruck(feld, alias);
        verbindungen += fahrtnamen::verbindung(feld, alias);
    }
    return {QStringLiteral("SELECT m.AbDat, m.AnDat, m.km_ab, m.km_an, %1, m.Bemerkung FROM T_MIREL m%2"
                           " WHERE m.Fahrer = ? AND m.AnDat >= ? AND m.AnDat <= ? AND %3"
                           " ORDER BY m.AbDat, m.ID")
                .arg(namen.join(QStringLiteral(", ")), verbindungen, fahrtfassung::aktuell(QStringLiteral("m"))),
            {fahrer, iso(filtergrenzen::abfahrtAb(tag)), iso(filtergrenzen::ankunftBis(tag))}};
}

std::vector<fahrerauswertung::Tagesfahrt> AuswertungStore::tagesfahrten(int fahrer, const QDate& tag) const
{
    const Abfrage abfrage = tagesAbfrage(fahrer, tag);
    SqlStatement s = ausfuehren(abfrage.sql, abfrage.werte);
    std::vector<fahrerauswertung::Tagesfahrt> fahrten;
    while (s.next()) {
        const auto ab = zeit(s.value(0));
        const auto an = zeit(s.value(1));
        if (!ab || !an)
            continue;
        fahrten.push_back({{*ab, *an, s.value(2).toInt(), s.value(3).toInt()},
                           s.value(4).toString(),
                           s.value(5).toString(),
                           s.value(6).toString(),
                           s.value(7).toString(),
                           s.value(8).toString(),
                           s.value(9).toString()});
    }
    return fahrten;
}

AuswertungStore::Abfrage AuswertungStore::fahrzeugAbfrage(const Fahrtenfilter& filter)
{
    const Bedingungen b = bedingungen(filter);
    const QString kennzeichen = fahrtnamen::ausdruck(Feld::Kennzeichen, QStringLiteral("k"));
    const QString kmDerArt =
        QStringLiteral(", SUM(CASE WHEN substr(%1, 1, 1) = '%2' THEN m.km_an - m.km_ab ELSE 0 END)");
    QString sql = QStringLiteral("SELECT %1, COUNT(*)").arg(kennzeichen);
    for (const char kuerzel : {'U', 'P', 'A', 'G'})
        sql += kmDerArt.arg(fahrtnamen::ausdruck(Feld::ArtKurz, QStringLiteral("a")), QString(QLatin1Char(kuerzel)));
    return {sql + gefilterteFahrten() + b.sql +
                QStringLiteral(" GROUP BY m.KFZ, %1 ORDER BY %2, m.KFZ")
                    .arg(kennzeichen, namensordnung::spalte(QStringLiteral("(%1)").arg(kennzeichen))),
            b.werte};
}

std::vector<fahrzeugauswertung::Fahrzeug> AuswertungStore::fahrzeuge(const Fahrtenfilter& filter) const
{
    const Abfrage abfrage = fahrzeugAbfrage(filter);
    SqlStatement s = ausfuehren(abfrage.sql, abfrage.werte);
    std::vector<fahrzeugauswertung::Fahrzeug> ergebnis;
    while (s.next()) {
        fahrzeugauswertung::Fahrzeug f;
        f.name = s.value(0).toString();
        f.anzahl = s.value(1).toInt();
        f.km = {s.value(2).toLongLong(), s.value(3).toLongLong(), s.value(4).toLongLong(), s.value(5).toLongLong()};
        ergebnis.push_back(f);
    }
    return ergebnis;
}

QString AuswertungStore::bemerkung(int fahrtId) const
{
    SqlStatement s = ausfuehren(QStringLiteral("SELECT Bemerkung FROM T_MIREL WHERE ID = ?"), {fahrtId});
    return s.next() ? s.value(0).toString() : QString();
}

std::optional<int> AuswertungStore::artNachKuerzel(const QString& kuerzel) const
{
    SqlStatement s = ausfuehren(QStringLiteral("SELECT ID FROM T_ART WHERE Abkuerzung = ? ORDER BY ID"), {kuerzel});
    if (!s.next())
        return std::nullopt;
    return s.value(0).toInt();
}
