#include "card/KartenimportStore.h"

#include "db/DatabaseError.h"
#include "db/Masseneinfuegung.h"
#include "db/Namensordnung.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"
#include "db/StammdatenStore.h"
#include "db/TDataBase.h"

namespace KartenimportStore {

namespace {

QVariant zeit(const std::optional<QDateTime>& zeit)
{
    return zeit ? QVariant(sqldate::toSql(*zeit)) : QVariant();
}

// One prepared statement for all rows; SQLite parses it once.
class MerkpunktSpeicher {
public:
    explicit MerkpunktSpeicher(const QString& cfid) : cfid_(cfid) {}

    qlonglong sichern(const ImportMerkpunkt& merkpunkt)
    {
        const std::optional<qlonglong> zeile = merkpunkt.zeile ? merkpunkt.zeile : vorhandeneZeile(merkpunkt);
        if (!zeile)
            return einfuegen(merkpunkt);
        bemerkung_.bind(merkpunkt.bemerkung).bind(*zeile).exec();
        return *zeile;
    }

private:
    std::optional<qlonglong> vorhandeneZeile(const ImportMerkpunkt& merkpunkt)
    {
        suche_.bind(zeit(merkpunkt.zeit)).bind(merkpunkt.km).bind(cfid_).bind(merkpunkt.kfzSchluessel).exec();
        if (!suche_.next())
            return std::nullopt;
        return suche_.value(0).toLongLong();
    }

    qlonglong einfuegen(const ImportMerkpunkt& merkpunkt)
    {
        // T_Merkpunkte.Fahrer holds the card; the driver is found through T_CF.
        neu_.bind(zeit(merkpunkt.zeit)).bind(merkpunkt.km).bind(merkpunkt.bemerkung).bind(cfid_)
            .bind(merkpunkt.kfzSchluessel).exec();
        return neu_.neueId();
    }

    QString cfid_;
    SqlStatement suche_{QStringLiteral("SELECT rowid FROM T_Merkpunkte WHERE Zeit IS NOT DISTINCT FROM ? AND KM = ? "
                                       "AND Fahrer = ? AND KFZ = ?")};
    SqlStatement neu_{QStringLiteral("INSERT INTO T_Merkpunkte (Zeit, KM, Bemerkung, Fahrer, KFZ) "
                                     "VALUES (?, ?, ?, ?, ?) RETURNING rowid")};
    SqlStatement bemerkung_{QStringLiteral("UPDATE T_Merkpunkte SET Bemerkung = ? WHERE rowid = ?")};
};

std::vector<qlonglong> merkpunkteSpeichern(const QString& cfid, const std::vector<ImportMerkpunkt>& merkpunkte)
{
    std::vector<qlonglong> zeilen;
    if (merkpunkte.empty())
        return zeilen;
    MerkpunktSpeicher speicher(cfid);
    zeilen.reserve(merkpunkte.size());
    for (const ImportMerkpunkt& merkpunkt : merkpunkte)
        zeilen.push_back(speicher.sichern(merkpunkt));
    return zeilen;
}

void fahrtenSpeichern(const QString& cfid, const QDateTime& einlesedatum, const std::vector<const ImportFahrt*>& fahrten,
                      const std::function<void(int)>& fortschritt)
{
    if (fahrten.empty())
        return;
    Masseneinfuegung rohfahrten(QStringLiteral("T_basis"),
                                {QStringLiteral("CFID"), QStringLiteral("Einlesedat"), QStringLiteral("Startzeit"),
                                 QStringLiteral("Startkm"), QStringLiteral("Zielzeit"), QStringLiteral("Zielkm"),
                                 QStringLiteral("KFZid"), QStringLiteral("CF"), QStringLiteral("Art"),
                                 QStringLiteral("Ort"), QStringLiteral("Grund"), QStringLiteral("Kat")});
    const QString eingelesen = sqldate::toSql(einlesedatum);
    int gemeldet = 0;
    for (std::size_t i = 0; i < fahrten.size(); ++i) {
        const ImportFahrt* fahrt = fahrten[i];
        // CF 0 lets the trip entry show the card's driver.
        rohfahrten.zeile({cfid, eingelesen, zeit(fahrt->startzeit), fahrt->startKm, zeit(fahrt->zielzeit),
                          fahrt->zielKm, fahrt->kfzSchluessel, fahrt->cfOk ? 0 : 1, fahrt->art, fahrt->ort,
                          fahrt->grund, fahrt->kategorie});
        const int prozent = static_cast<int>((i + 1) * 100 / fahrten.size());
        if (fortschritt && prozent > gemeldet)
            fortschritt(gemeldet = prozent);
    }
    rohfahrten.abschliessen();
}

} // namespace

QString datendateiPfad()
{
    SqlStatement s(QStringLiteral("SELECT CF_Pfad FROM T_Optionen"));
    s.exec();
    return s.next() ? s.text(QStringLiteral("CF_Pfad")) : QString();
}

void datendateiPfadMerken(const QString& pfad)
{
    SqlStatement(QStringLiteral("UPDATE T_Optionen SET CF_Pfad = ?")).bind(pfad).exec();
}

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

void fahrzeugAnlegen(const QString& kennzeichen, int kfzId, int startKm, const QDateTime& start)
{
    TDataBase::KFZAnlegen(TDataBase::NeuesKFZ{
        .kennzeichen = kennzeichen, .start = start, .anfkm = startKm, .eingabeart = EingabeVarno, .kfzid = kfzId});
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
        Transaction transaction;
        fahrtenSpeichern(cfid, einlesedatum, fahrten, fortschritt);
        std::vector<qlonglong> zeilen = merkpunkteSpeichern(cfid, merkpunkte);
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
    Transaction transaction;
    const int fahrer = StammdatenStore::idFuer(Stammtabelle::Fahrer, name);
    SqlStatement(QStringLiteral("INSERT INTO T_CF (CF, Fahrer) VALUES (?, ?)")).bind(cfid).bind(fahrer).exec();
    transaction.commit();
}

} // namespace KartenimportStore
