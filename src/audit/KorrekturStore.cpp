#include "audit/KorrekturStore.h"

#include "common/VarnoError.h"
#include "logbuch/kette/Fahrtfassung.h"
#include "logbuch/kette/Fahrtnamen.h"
#include "logbuch/FahrzeugStore.h"
#include "logbuch/KFZEintrag.h"
#include "logbuch/kette/Kettenanhang.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"
#include "entry/EingabeStore.h"

#include <array>
#include <tuple>

namespace KorrekturStore {

namespace {

// The row with the names it was stored with (see fahrtnamen).
QString fassungAbfrage()
{
    using fahrtnamen::Feld;
    const std::array<std::tuple<Feld, const char*, const char*>, 7> felder = {{{Feld::Kennzeichen, "k", "KZuFzg"},
                                                                               {Feld::Start, "s", "Von"},
                                                                               {Feld::Ziel, "d", "Nach"},
                                                                               {Feld::Zweck, "z", "Zweck"},
                                                                               {Feld::Kategorie, "c", "Kategorie"},
                                                                               {Feld::Fahrer, "f", "Fahrer"},
                                                                               {Feld::ArtName, "a", "Art"}}};
    QString namen;
    QString verbindungen;
    for (const auto& [feld, alias, name] : felder) {
        namen +=
            QStringLiteral(", %1 AS %2").arg(fahrtnamen::ausdruck(feld, QLatin1String(alias)), QLatin1String(name));
        verbindungen += fahrtnamen::verbindung(feld, QLatin1String(alias));
    }
    return QStringLiteral("SELECT m.ID, m.KFZ, m.AbDat, m.AnDat, m.km_ab, m.km_an, m.Bemerkung, m.Erfasst, m.Grund, "
                          "m.Storniert%1 FROM T_MIREL m%2 WHERE m.ID = ?")
        .arg(namen, verbindungen);
}

QDateTime zeit(const QVariant& wert)
{
    return sqldate::fromSql(wert).value_or(QDateTime());
}

// The row's content exactly as stored, for a cancellation that repeats it.
Fahrtenbucheintrag gespeicherterEintrag(int fahrtId)
{
    SqlStatement s(QStringLiteral("SELECT KFZ, AbDat, AnDat, km_ab, km_an, Start, Ziel, Art, Zweck, Kategorie, Fahrer, "
                                  "Bemerkung FROM T_MIREL WHERE ID = ?"));
    s.bind(fahrtId).exec();
    if (!s.next())
        throw VarnoError(QStringLiteral("Die Fahrt ist nicht mehr vorhanden."));
    return {s.value(0), s.value(1), s.value(2), s.value(3), s.value(4),  s.value(5),
            s.value(6), s.value(7), s.value(8), s.value(9), s.value(10), s.value(11)};
}

Fassung vorhandeneFassung(int fahrtId)
{
    std::optional<Fassung> gefunden = fassung(fahrtId);
    if (!gefunden || !aktuell(fahrtId))
        throw VarnoError(QStringLiteral("Die Fahrt wurde bereits korrigiert oder storniert."));
    return *gefunden;
}

qlonglong ersetzendeZeile(Kettenanhang& anhang, const Fassung& alt, Fahrtenbucheintrag neu, const QString& grund)
{
    neu.ersetztId = alt.id;
    neu.grund = grund;
    return anhang.anhaengen(neu);
}

// Within the transaction: `eintrag` may resolve names, which must go with the row.
qlonglong ersetzen(Kettenanhang& anhang, const Fassung& alt, Fahrtenbucheintrag neu, const QString& grund,
                   Ereignis ereignis)
{
    const qlonglong id = ersetzendeZeile(anhang, alt, std::move(neu), grund);
    anhang.protokollieren(ereignis, korrektur::protokolltext({alt, *fassung(static_cast<int>(id))}));
    return id;
}

Fahrtenbucheintrag stornozeile(int fahrtId)
{
    Fahrtenbucheintrag storno = gespeicherterEintrag(fahrtId);
    storno.storniert = true;
    return storno;
}

nachbarpruefung::Lage lage(const Fassung& f)
{
    return {f.id, f.abDat, f.anDat, f.kmAb, f.kmAn};
}

std::optional<nachbarpruefung::Lage> nachbar(const QString& bedingung, const QString& ordnung, int kfz,
                                             const QDateTime& abfahrt, int ausserFahrt)
{
    SqlStatement s(QStringLiteral("SELECT ID, AbDat, AnDat, km_ab, km_an FROM T_MIREL m WHERE KFZ = ? AND ID <> ? "
                                  "AND AbDat %1 ? AND %2 ORDER BY AbDat %3, ID %3 LIMIT 1")
                       .arg(bedingung, fahrtfassung::aktuell(QStringLiteral("m")), ordnung));
    s.bind(kfz).bind(ausserFahrt).bind(sqldate::toSql(abfahrt)).exec();
    if (!s.next())
        return std::nullopt;
    return nachbarpruefung::Lage{s.intValue(QStringLiteral("ID")), zeit(s.value(QStringLiteral("AbDat"))),
                                 zeit(s.value(QStringLiteral("AnDat"))), s.intValue(QStringLiteral("km_ab")),
                                 s.intValue(QStringLiteral("km_an"))};
}

// The vehicle's current trips just before and just after a departure, the trip itself left out.
nachbarpruefung::Nachbarn nachbarn(int kfz, const QDateTime& abfahrt, int ausserFahrt)
{
    return {nachbar(QStringLiteral("<="), QStringLiteral("DESC"), kfz, abfahrt, ausserFahrt),
            nachbar(QStringLiteral(">"), QStringLiteral("ASC"), kfz, abfahrt, ausserFahrt)};
}

nachbarpruefung::Lage lage(const fahrtspeicherung::Auftrag& neu, int id)
{
    return {id, neu.abDat, neu.anDat, neu.kmAb, neu.kmAn};
}

const QString vonDerKarte = QStringLiteral(
    "eine Fahrt von der Speicherkarte bleibt bei dem Fahrzeug, dessen Fahrtenschreiber sie aufgezeichnet hat.");

bool abgeschlossen(int kfz)
{
    return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_KFZ WHERE ID = ? AND Abgeschlossen = 1"),
                                   {kfz}) > 0;
}

// Where `neu` would sit among the current trips of its vehicle, which takes its trips by hand.
nachbarpruefung::Befund einordnung(const fahrtspeicherung::Auftrag& neu)
{
    if (kartenfahrzeug(neu.fahrzeug))
        return {QStringLiteral("die Fahrten von %1 kommen von der Speicherkarte.")
                    .arg(FahrzeugStore::kennzeichen(neu.fahrzeug)),
                std::nullopt};
    if (abgeschlossen(neu.fahrzeug))
        return {
            QStringLiteral("das Fahrtenbuch von %1 ist abgeschlossen.").arg(FahrzeugStore::kennzeichen(neu.fahrzeug)),
            std::nullopt};
    return nachbarpruefung::einordnen(lage(neu, 0), nachbarn(neu.fahrzeug, neu.abDat, 0));
}

nachbarpruefung::Befund umsetzung(const Fassung& alt, const fahrtspeicherung::Auftrag& neu)
{
    if (kartenfahrzeug(alt.kfz))
        return {vonDerKarte, std::nullopt};
    if (neu.fahrzeug == alt.kfz)
        return {QStringLiteral("sie ist bereits bei diesem Fahrzeug."), std::nullopt};
    return einordnung(neu);
}

nachbarpruefung::Befund befund(const Fassung& alt, const fahrtspeicherung::Auftrag& neu)
{
    const nachbarpruefung::Lage neueLage{alt.id, neu.abDat, neu.anDat, neu.kmAb, neu.kmAn};
    if (kartenfahrzeug(alt.kfz) && neueLage != lage(alt))
        return {QStringLiteral("Zeiten und km-Stände einer Fahrt von der Speicherkarte bleiben, wie der "
                               "Fahrtenschreiber sie aufgezeichnet hat."),
                std::nullopt};
    return nachbarpruefung::pruefen(lage(alt), neueLage, nachbarn(alt.kfz, neu.abDat, alt.id));
}

[[noreturn]] void ablehnen(const QString& fahrt, const QString& regel)
{
    throw VarnoError(QStringLiteral("%1: %2 Es wurde nichts gespeichert.").arg(fahrt, regel));
}

// Refuses, naming the trip, what breaks a rule, and a following trip that has to move but may not.
void durchsetzen(const QString& fahrt, const nachbarpruefung::Befund& gefunden, bool folgefahrtMitkorrigieren)
{
    if (gefunden.ablehnung)
        ablehnen(fahrt, *gefunden.ablehnung);
    if (gefunden.folgefahrt && !folgefahrtMitkorrigieren)
        ablehnen(fahrt, QStringLiteral("die folgende Fahrt müsste bei km %1 beginnen und mitkorrigiert werden.")
                            .arg(gefunden.folgefahrt->kmAb));
}

// The following trip with its departure reading moved, as one more correction with the same reason.
void folgefahrtKorrigieren(Kettenanhang& anhang, const nachbarpruefung::Lage& folgefahrt, const QString& grund)
{
    Fahrtenbucheintrag eintrag = gespeicherterEintrag(folgefahrt.id);
    eintrag.kmAb = folgefahrt.kmAb;
    ersetzen(anhang, vorhandeneFassung(folgefahrt.id), eintrag, grund, Ereignis::Korrektur);
}

} // namespace

std::optional<Fassung> fassung(int fahrtId)
{
    SqlStatement s(fassungAbfrage());
    s.bind(fahrtId).exec();
    if (!s.next())
        return std::nullopt;
    Fassung f;
    f.id = s.intValue(QStringLiteral("ID"));
    f.kfz = s.intValue(QStringLiteral("KFZ"));
    f.fahrzeug = s.text(QStringLiteral("KZuFzg"));
    f.abDat = zeit(s.value(QStringLiteral("AbDat")));
    f.anDat = zeit(s.value(QStringLiteral("AnDat")));
    f.kmAb = s.intValue(QStringLiteral("km_ab"));
    f.kmAn = s.intValue(QStringLiteral("km_an"));
    f.von = s.text(QStringLiteral("Von"));
    f.nach = s.text(QStringLiteral("Nach"));
    f.zweck = s.text(QStringLiteral("Zweck"));
    f.kategorie = s.text(QStringLiteral("Kategorie"));
    f.fahrer = s.text(QStringLiteral("Fahrer"));
    f.art = s.text(QStringLiteral("Art"));
    f.bemerkung = s.text(QStringLiteral("Bemerkung"));
    f.erfasst = sqldate::germanDateTime(s.value(QStringLiteral("Erfasst")));
    f.grund = s.text(QStringLiteral("Grund"));
    f.storniert = s.intValue(QStringLiteral("Storniert")) != 0;
    return f;
}

bool aktuell(int fahrtId)
{
    return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL m WHERE m.ID = ? AND %1")
                                       .arg(fahrtfassung::aktuell(QStringLiteral("m"))),
                                   {fahrtId}) > 0;
}

std::vector<std::pair<int, QString>> handfahrzeuge()
{
    SqlStatement s(QStringLiteral("SELECT ID, KZuFzg FROM T_KFZ WHERE Eingabeart <> ? AND "
                                  "Abgeschlossen = 0 ORDER BY KZuFzg"));
    s.bind(static_cast<int>(EingabeVarno)).exec();
    std::vector<std::pair<int, QString>> fahrzeuge;
    while (s.next())
        fahrzeuge.emplace_back(s.value(0).toInt(), s.value(1).toString());
    return fahrzeuge;
}

bool kartenfahrzeug(int kfz)
{
    return FahrzeugStore::eingabeart(kfz) == EingabeVarno;
}

QDateTime letzteAnkunftVor(int kfz, const QDateTime& abfahrt, int ausserFahrt)
{
    SqlStatement s(QStringLiteral("SELECT MAX(AnDat) FROM T_MIREL m WHERE KFZ = ? AND AbDat < ? AND ID <> ? AND %1")
                       .arg(fahrtfassung::aktuell(QStringLiteral("m"))));
    s.bind(kfz).bind(sqldate::toSql(abfahrt)).bind(ausserFahrt).exec();
    return s.next() ? zeit(s.value(0)) : QDateTime();
}

bool nachgetragen(int fahrtId)
{
    return SqlStatement::scalarInt(
               QStringLiteral("SELECT COUNT(*) FROM T_MIREL m JOIN T_MIREL spaeter ON spaeter.KFZ = m.KFZ AND "
                              "spaeter.AbDat > m.AbDat AND spaeter.Erfasst < m.Erfasst WHERE m.ID = ? AND "
                              "m.ErsetztID IS NULL"),
               {fahrtId}) > 0;
}

nachbarpruefung::Befund nachbarbefund(int fahrtId, const fahrtspeicherung::Auftrag& neu)
{
    Transaction lesen(Transaction::Art::Lesen);
    return befund(vorhandeneFassung(fahrtId), neu);
}

qlonglong korrigieren(int fahrtId, const fahrtspeicherung::Auftrag& neu, const QString& grund,
                      bool folgefahrtMitkorrigieren)
{
    Kettentransaktion transaktion;
    const Fassung alt = vorhandeneFassung(fahrtId);
    const nachbarpruefung::Befund gefunden = befund(alt, neu);
    durchsetzen(korrektur::fahrt(alt), gefunden, folgefahrtMitkorrigieren);
    const qlonglong id =
        ersetzen(transaktion, alt, EingabeStore::fahrtenbucheintrag(neu, transaktion), grund, Ereignis::Korrektur);
    if (gefunden.folgefahrt)
        folgefahrtKorrigieren(transaktion, *gefunden.folgefahrt, grund);
    transaktion.commit();
    return id;
}

qlonglong stornieren(int fahrtId, const QString& grund)
{
    Kettentransaktion transaktion;
    const qlonglong id =
        ersetzen(transaktion, vorhandeneFassung(fahrtId), stornozeile(fahrtId), grund, Ereignis::Stornierung);
    transaktion.commit();
    return id;
}

nachbarpruefung::Befund umsetzbefund(int fahrtId, const fahrtspeicherung::Auftrag& neu)
{
    Transaction lesen(Transaction::Art::Lesen);
    return umsetzung(vorhandeneFassung(fahrtId), neu);
}

qlonglong umsetzen(int fahrtId, const fahrtspeicherung::Auftrag& neu, const QString& grund,
                   bool folgefahrtMitkorrigieren)
{
    Kettentransaktion transaktion;
    const Fassung alt = vorhandeneFassung(fahrtId);
    const nachbarpruefung::Befund gefunden = umsetzung(alt, neu);
    durchsetzen(korrektur::umgesetzteFahrt(alt, FahrzeugStore::kennzeichen(neu.fahrzeug)), gefunden,
                folgefahrtMitkorrigieren);
    ersetzendeZeile(transaktion, alt, stornozeile(fahrtId), grund);
    const qlonglong id = transaktion.anhaengen(EingabeStore::fahrtenbucheintrag(neu, transaktion));
    transaktion.protokollieren(Ereignis::Stornierung,
                               korrektur::umsetzungstext(alt, *fassung(static_cast<int>(id)), grund));
    if (gefunden.folgefahrt)
        folgefahrtKorrigieren(transaktion, *gefunden.folgefahrt, grund);
    transaktion.commit();
    return id;
}

nachbarpruefung::Befund nachtragbefund(const fahrtspeicherung::Auftrag& neu)
{
    Transaction lesen(Transaction::Art::Lesen);
    return einordnung(neu);
}

qlonglong nachtragen(const fahrtspeicherung::Auftrag& neu, bool folgefahrtMitkorrigieren)
{
    Kettentransaktion transaktion;
    const nachbarpruefung::Befund gefunden = einordnung(neu);
    durchsetzen(korrektur::nachgetrageneFahrt(neu.abDat, FahrzeugStore::kennzeichen(neu.fahrzeug)), gefunden,
                folgefahrtMitkorrigieren);
    const qlonglong id = transaktion.anhaengen(EingabeStore::fahrtenbucheintrag(neu, transaktion));
    if (gefunden.folgefahrt)
        folgefahrtKorrigieren(transaktion, *gefunden.folgefahrt, korrektur::nachtragsgrund(neu.abDat));
    transaktion.commit();
    return id;
}

std::vector<Korrektur> korrekturen(std::optional<int> fahrzeug, bool ohneMusterfahrzeug, const QDateTime& von,
                                   const QDateTime& bis)
{
    QString sql = QStringLiteral("SELECT n.ErsetztID, n.ID FROM T_MIREL n JOIN T_MIREL a ON a.ID = n.ErsetztID "
                                 "WHERE ((a.AbDat >= ? AND a.AnDat <= ?) OR (n.AbDat >= ? AND n.AnDat <= ?))");
    QVariantList werte{sqldate::toSql(von), sqldate::toSql(bis), sqldate::toSql(von), sqldate::toSql(bis)};
    if (fahrzeug) {
        sql += QStringLiteral(" AND a.KFZ = ?");
        werte << *fahrzeug;
    }
    if (ohneMusterfahrzeug)
        sql += QStringLiteral(" AND a.KFZ <> 1");
    SqlStatement s(sql + QStringLiteral(" ORDER BY n.ID"));
    for (const QVariant& wert : werte)
        s.bind(wert);
    s.exec();
    std::vector<std::pair<int, int>> paare;
    while (s.next())
        paare.emplace_back(s.value(0).toInt(), s.value(1).toInt());
    std::vector<Korrektur> ergebnis;
    for (const auto& [alt, neu] : paare)
        ergebnis.push_back({*fassung(alt), *fassung(neu)});
    return ergebnis;
}

} // namespace KorrekturStore
