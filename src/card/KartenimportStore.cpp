#include "card/KartenimportStore.h"

#include "common/Zaehlwoerter.h"
#include "db/DatabaseError.h"
#include "db/Namensordnung.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"
#include "db/Zeilenschreiber.h"
#include "logbuch/Fahrzeuganlage.h"
#include "logbuch/StammdatenStore.h"
#include "logbuch/kette/Kettenanhang.h"

#include <QHash>

namespace KartenimportStore {

namespace {

QVariant zeit(const std::optional<QDateTime>& zeit)
{
    return zeit ? QVariant(sqldate::toSql(*zeit)) : QVariant();
}

// What tells one waypoint of a card from another: time, odometer and vehicle.
QString merkpunktKennung(const QVariant& zeit, int km, const QString& kfzSchluessel)
{
    return (zeit.isNull() ? QString() : zeit.toString()) + QLatin1Char('|') + QString::number(km) + QLatin1Char('|') +
           kfzSchluessel;
}

QString merkpunktKennung(const ImportMerkpunkt& merkpunkt)
{
    return merkpunktKennung(zeit(merkpunkt.zeit), merkpunkt.km, merkpunkt.kfzSchluessel);
}

// The card's stored waypoints: one read for all of them rather than one round trip to the server
// per waypoint. T_Merkpunkte.Fahrer holds the card.
struct GespeicherteMerkpunkte {
    QHash<QString, qlonglong> zeileNachKennung;
    // So a remark that stands already is not written again: reading a card a second time stores
    // the waypoints of the first reading, thousands on a full card, mostly unchanged.
    QHash<qlonglong, QVariant> bemerkungNachZeile;

    bool bemerkungSteht(qlonglong zeile, const QString& bemerkung) const
    {
        const auto steht = bemerkungNachZeile.constFind(zeile);
        // A remark without text is written as NULL, one with text as that text.
        return steht != bemerkungNachZeile.cend() && steht->isNull() == bemerkung.isNull() &&
               steht->toString() == bemerkung;
    }
};

GespeicherteMerkpunkte gespeicherteMerkpunkte(const QString& cfid)
{
    SqlStatement s(QStringLiteral("SELECT rowid, Zeit, KM, KFZ, Bemerkung FROM T_Merkpunkte WHERE Fahrer = ?"));
    s.bind(cfid).exec();
    GespeicherteMerkpunkte gespeichert;
    while (s.next()) {
        const qlonglong zeile = s.value(0).toLongLong();
        gespeichert.zeileNachKennung.insert(merkpunktKennung(s.value(1), s.value(2).toInt(), s.value(3).toString()),
                                            zeile);
        gespeichert.bemerkungNachZeile.insert(zeile, s.value(4));
    }
    return gespeichert;
}

// A waypoint already stored (known by its row, or the same time, odometer and vehicle) gets its
// remark written; the others are new, each identification once, the last remark given winning.
std::vector<const ImportMerkpunkt*> bemerkungenSchreibenUndNeueSammeln(const std::vector<ImportMerkpunkt>& merkpunkte,
                                                                       const GespeicherteMerkpunkte& gespeichert)
{
    SqlStatement bemerkung(QStringLiteral("UPDATE T_Merkpunkte SET Bemerkung = ? WHERE rowid = ?"));
    std::vector<const ImportMerkpunkt*> neue;
    QHash<QString, std::size_t> neuNachKennung;
    for (const ImportMerkpunkt& merkpunkt : merkpunkte) {
        const QString kennung = merkpunktKennung(merkpunkt);
        const auto gefunden = gespeichert.zeileNachKennung.constFind(kennung);
        const std::optional<qlonglong> zeile =
            merkpunkt.zeile ? merkpunkt.zeile
                            : (gefunden != gespeichert.zeileNachKennung.cend() ? std::optional<qlonglong>(*gefunden)
                                                                               : std::nullopt);
        if (zeile) {
            if (!gespeichert.bemerkungSteht(*zeile, merkpunkt.bemerkung))
                bemerkung.bind(merkpunkt.bemerkung).bind(*zeile).exec();
        } else if (neuNachKennung.contains(kennung)) {
            neue[neuNachKennung.value(kennung)] = &merkpunkt;
        } else {
            neuNachKennung.insert(kennung, neue.size());
            neue.push_back(&merkpunkt);
        }
    }
    return neue;
}

void neueMerkpunkteEinfuegen(const QString& cfid, const std::vector<const ImportMerkpunkt*>& neue)
{
    if (neue.empty())
        return;
    Zeilenschreiber einfuegen(QStringLiteral("T_Merkpunkte"),
                              {QStringLiteral("Zeit"), QStringLiteral("KM"), QStringLiteral("Bemerkung"),
                               QStringLiteral("Fahrer"), QStringLiteral("KFZ")},
                              Zeilenschreiber::Menge::Stapel);
    for (const ImportMerkpunkt* merkpunkt : neue)
        einfuegen.zeile({zeit(merkpunkt->zeit), merkpunkt->km, merkpunkt->bemerkung, cfid, merkpunkt->kfzSchluessel});
    einfuegen.abschliessen();
}

std::vector<qlonglong> merkpunkteSpeichern(const QString& cfid, const std::vector<ImportMerkpunkt>& merkpunkte)
{
    std::vector<qlonglong> zeilen;
    if (merkpunkte.empty())
        return zeilen;
    GespeicherteMerkpunkte gespeichert = gespeicherteMerkpunkte(cfid);
    const std::vector<const ImportMerkpunkt*> neue = bemerkungenSchreibenUndNeueSammeln(merkpunkte, gespeichert);
    neueMerkpunkteEinfuegen(cfid, neue);
    if (!neue.empty())
        gespeichert = gespeicherteMerkpunkte(cfid);
    zeilen.reserve(merkpunkte.size());
    for (const ImportMerkpunkt& merkpunkt : merkpunkte)
        zeilen.push_back(merkpunkt.zeile ? *merkpunkt.zeile
                                         : gespeichert.zeileNachKennung.value(merkpunktKennung(merkpunkt)));
    return zeilen;
}

void fahrtenSpeichern(Kettenanhang& kette, const QString& cfid, const QDateTime& einlesedatum,
                      const std::vector<const ImportFahrt*>& fahrten, const std::function<void(int)>& fortschritt)
{
    kette.stapelBeginnen();
    const QString eingelesen = sqldate::toSql(einlesedatum);
    int gemeldet = 0;
    for (std::size_t i = 0; i < fahrten.size(); ++i) {
        const ImportFahrt* fahrt = fahrten[i];
        // CF 0 lets the trip entry show the card's driver.
        kette.anhaengen(Rohfahrteintrag{cfid, eingelesen, zeit(fahrt->startzeit), fahrt->startKm, zeit(fahrt->zielzeit),
                                        fahrt->zielKm, fahrt->kfzSchluessel, fahrt->cfOk ? 0 : 1, fahrt->art,
                                        fahrt->ort, fahrt->grund, fahrt->kategorie});
        const int prozent = static_cast<int>((i + 1) * 100 / fahrten.size());
        if (fortschritt && prozent > gemeldet)
            fortschritt(gemeldet = prozent);
    }
    kette.stapelAbschliessen();
}

} // namespace

std::optional<QString> kartenfahrer(const QString& cfid)
{
    SqlStatement karte(QStringLiteral("SELECT Fahrer FROM T_CF WHERE CF = ?"));
    karte.bind(cfid).exec();
    if (!karte.next())
        return std::nullopt;
    SqlStatement fahrer(QStringLiteral("SELECT Bezeichnung FROM T_Fahrer WHERE ID = ?"));
    fahrer.bind(karte.value(QStringLiteral("Fahrer"))).exec();
    return fahrer.next() ? fahrer.text(QStringLiteral("Bezeichnung")) : QString();
}

bool fahrzeugAnlegen(const QString& kennzeichen, int kfzId, int startKm, const QDateTime& start)
{
    return fahrzeuganlage::anlegen(NeuesFahrzeug{
                                       .kennzeichen = kennzeichen,
                                       .start = start,
                                       .anfkm = startKm,
                                       .eingabeart = EingabeVarno,
                                       .kfzid = kfzId})
        .has_value();
}

QString fahrtKennung(const std::optional<QDateTime>& startzeit, int startKm, const QString& kfzSchluessel)
{
    return (startzeit ? sqldate::toSql(*startzeit) : QString()) + QLatin1Char('|') + QString::number(startKm) +
           QLatin1Char('|') + kfzSchluessel;
}

QSet<QString> gespeicherteFahrten(const QString& cfid)
{
    SqlStatement s(QStringLiteral("SELECT Startzeit, Startkm, KFZid FROM T_basis WHERE CFID = ?"));
    s.bind(cfid).exec();
    QSet<QString> kennungen;
    while (s.next())
        kennungen.insert(fahrtKennung(sqldate::fromSql(s.value(0)), s.value(1).toInt(), s.value(2).toString()));
    return kennungen;
}

std::vector<qlonglong> uebernehmen(const QString& cfid, const QDateTime& einlesedatum,
                                   const std::vector<const ImportFahrt*>& fahrten,
                                   const std::vector<ImportMerkpunkt>& merkpunkte,
                                   const std::function<void(int)>& fortschritt)
{
    try {
        Kettentransaktion transaction;
        fahrtenSpeichern(transaction, cfid, einlesedatum, fahrten, fortschritt);
        std::vector<qlonglong> zeilen = merkpunkteSpeichern(cfid, merkpunkte);
        transaction.protokollieren(
            Ereignis::KarteUebernommen,
            QStringLiteral("Speicherkarte %1: %2 als Rohfahrten und %3 übernommen.")
                .arg(cfid)
                .arg(anzahl(fahrten.size(), zaehlwort::fahrt))
                .arg(anzahl(merkpunkte.size(), zaehlwort::merkpunkt, Null::Keine)));
        transaction.commit();
        return zeilen;
    } catch (const DoppelterEintrag&) {
        throw VarnoError(QStringLiteral("Fahrten dieser Speicherkarte hat inzwischen ein anderer Benutzer übernommen. "
                                        "Es wurde nichts gespeichert und nichts von der Karte gelöscht; bitte lesen "
                                        "Sie die Karte neu ein."));
    }
}

std::vector<qlonglong> merkpunkteSichern(const QString& cfid, const std::vector<ImportMerkpunkt>& merkpunkte)
{
    Transaction transaction;
    std::vector<qlonglong> zeilen = merkpunkteSpeichern(cfid, merkpunkte);
    transaction.commit();
    return zeilen;
}

void fahrerZuordnen(const QString& cfid, const QString& name)
{
    Kettentransaktion transaction;
    const int fahrer = StammdatenStore::idFuer(Stammtabelle::Fahrer, name, transaction);
    SqlStatement(QStringLiteral("INSERT INTO T_CF (CF, Fahrer) VALUES (?, ?)")).bind(cfid).bind(fahrer).exec();
    transaction.commit();
}

} // namespace KartenimportStore
