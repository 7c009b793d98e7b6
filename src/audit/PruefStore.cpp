#include "audit/PruefStore.h"

#include "common/GermanFormat.h"
#include "db/Database.h"
#include "db/Dialekt.h"
#include "logbuch/kette/Fahrtnamen.h"
#include "logbuch/kette/Kettenanhang.h"
#include "db/Rohabfrage.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"
#include "logbuch/schema/Schemastand.h"

using pruefkette::Kette;

namespace {

// The values of the current row, read in one call, as numbers and bytes. A value stored in another
// kind than the column's (a changed row) is converted by the engine as when read alone.
struct Zeilenwerte {
    const Rohabfrage& abfrage;
    const std::vector<Rohabfrage::Wert>& werte;

    qint64 zahl(int spalte) const
    {
        const Rohabfrage::Wert& wert = werte[static_cast<std::size_t>(spalte)];
        if (wert.art == Rohabfrage::Wertart::Zahl || wert.art == Rohabfrage::Wertart::Null)
            return wert.zahl;
        return abfrage.grosseZahl(spalte);
    }

    QByteArray bytes(int spalte) const
    {
        const Rohabfrage::Wert& wert = werte[static_cast<std::size_t>(spalte)];
        if (wert.art == Rohabfrage::Wertart::Bytes || wert.art == Rohabfrage::Wertart::Text)
            return QByteArray::fromRawData(wert.daten, wert.laenge);
        qsizetype laenge = 0;
        const char* daten = abfrage.bytes(spalte, laenge);
        return QByteArray::fromRawData(daten, laenge);
    }
};

// The stored time in German form; what is not a time is shown as it is.
QString zeit(const QVariant& wert, bool mitSekunden)
{
    if (wert.isNull())
        return QStringLiteral("ohne Zeit");
    const auto zeitpunkt = sqldate::fromSql(wert);
    if (!zeitpunkt)
        return wert.toString();
    return mitSekunden ? german::dateTime(*zeitpunkt)
                       : german::date(zeitpunkt->date()) + QLatin1Char(' ') + german::time(zeitpunkt->time());
}

QString fahrtenbuchzeile(qlonglong id)
{
    SqlStatement s(QStringLiteral("SELECT m.AbDat, m.Art, m.KFZ, k.KZuFzg FROM T_MIREL m "
                                  "LEFT JOIN T_KFZ k ON k.ID = m.KFZ WHERE m.ID = ?"));
    s.bind(id).exec();
    if (!s.next())
        return {};
    const QString fahrzeug =
        s.isNull(QStringLiteral("KZuFzg")) ? s.text(QStringLiteral("KFZ")) : s.text(QStringLiteral("KZuFzg"));
    const QString was =
        s.intValue(QStringLiteral("Art")) == 99 ? QStringLiteral("Startdatensatz") : QStringLiteral("Fahrt");
    return QStringLiteral("Fahrzeug %1, %2 vom %3").arg(fahrzeug, was, zeit(s.value(QStringLiteral("AbDat")), false));
}

QString rohfahrtzeile(qlonglong id)
{
    SqlStatement s(QStringLiteral("SELECT KFZid, Startzeit FROM T_basis WHERE ID = ?"));
    s.bind(id).exec();
    if (!s.next())
        return {};
    return QStringLiteral("Fahrzeug %1, Rohfahrt vom %2")
        .arg(s.text(QStringLiteral("KFZid")), zeit(s.value(QStringLiteral("Startzeit")), true));
}

QString protokollzeile(qlonglong id)
{
    SqlStatement s(QStringLiteral("SELECT Zeit, Ereignis FROM T_Protokoll WHERE ID = ?"));
    s.bind(id).exec();
    if (!s.next())
        return {};
    return QStringLiteral("Eintrag vom %1 (%2)")
        .arg(zeit(s.value(QStringLiteral("Zeit")), true), s.text(QStringLiteral("Ereignis")));
}

// Where a logbook row's references to master rows stand among the chain's columns; none in the
// other chains.
std::vector<int> verweisspalten(Kette kette)
{
    std::vector<int> spalten;
    if (kette != Kette::Fahrtenbuch)
        return spalten;
    const std::vector<pruefkette::Spalte>& kettenspalten = pruefkette::spalten(kette);
    for (fahrtnamen::Feld feld : fahrtnamen::verweisfelder) {
        const QByteArray name = fahrtnamen::verweisspalte(feld).toLatin1();
        for (std::size_t i = 0; i < kettenspalten.size(); ++i)
            if (name == kettenspalten[i].name)
                spalten.push_back(static_cast<int>(i));
    }
    return spalten;
}

} // namespace

namespace PruefStore {

QSet<qint64> stammIds(fahrtnamen::Feld feld)
{
    Rohabfrage s(QStringLiteral("SELECT ID FROM %1").arg(fahrtnamen::tabelle(feld)), {});
    QSet<qint64> ids;
    while (s.next())
        ids.insert(s.grosseZahl(0));
    return ids;
}

void zeilenLesen(Kette kette, const std::function<void(const Kettenpruefer::Zeile&)>& melden)
{
    const int spalten = static_cast<int>(pruefkette::spalten(kette).size());
    const int vorgaengerSpalte = spalten;
    const int pruefwertSpalte = spalten + 1;
    // A logbook of an older schema is checked as it is, without the column of who stored a row.
    const pruefkette::Form form = pruefkette::form(schemaversion());
    Rohabfrage s(QStringLiteral("SELECT %1, Vorgaenger, Pruefwert FROM %2 ORDER BY ID")
                     .arg(pruefkette::spaltenliste(kette, form), pruefkette::tabelle(kette)),
                 {});
    pruefkette::Zeile bytes(kette);
    Kettenpruefer::Zeile zeile;
    const std::vector<int> verweise = verweisspalten(kette);
    // Every column of a row read once: the serialised fields give ID, number and references too.
    std::vector<Rohabfrage::Wert> werte(static_cast<std::size_t>(spalten) + 2);
    const Zeilenwerte gelesen{s, werte};
    while (s.next()) {
        s.werte(0, werte);
        for (std::size_t i = 0; i < verweise.size(); ++i)
            zeile.verweise[i] = gelesen.zahl(verweise[i]); // 0 for none
        zeile.id = gelesen.zahl(0);
        zeile.mitWerten = werte[pruefwertSpalte].art != Rohabfrage::Wertart::Null &&
                          werte[vorgaengerSpalte].art != Rohabfrage::Wertart::Null;
        zeile.vorgaenger = gelesen.bytes(vorgaengerSpalte);
        zeile.pruefwert = gelesen.bytes(pruefwertSpalte);
        if (zeile.mitWerten) {
            zeile.laufnr = gelesen.zahl(spalten - 1);
            bytes.alleAus(werte);
            const QByteArrayView berechnet = bytes.pruefwertAnsicht(zeile.vorgaenger);
            zeile.berechnet = QByteArray::fromRawData(berechnet.data(), berechnet.size());
        }
        melden(zeile);
    }
}

QString zeilenname(Kette kette, qlonglong id)
{
    switch (kette) {
    case Kette::Fahrtenbuch:
        return fahrtenbuchzeile(id);
    case Kette::Rohfahrten:
        return rohfahrtzeile(id);
    case Kette::Protokoll:
        break;
    }
    return protokollzeile(id);
}

namespace {

// Without a limit the whole chain is read: a bound number beyond the key column's range is refused
// by a server whose keys are 32-bit integers.
std::unique_ptr<Rohabfrage> glieder(Kette kette, qlonglong vorId)
{
    const QString sql = QStringLiteral("SELECT Laufnr, Pruefwert FROM %1 WHERE %2Pruefwert IS NOT NULL AND "
                                       "Vorgaenger IS NOT NULL ORDER BY ID")
                            .arg(pruefkette::tabelle(kette));
    if (vorId == Gliederleser::ganzeKette)
        return std::make_unique<Rohabfrage>(sql.arg(QString()), QVariantList{});
    return std::make_unique<Rohabfrage>(sql.arg(QStringLiteral("ID < ? AND ")), QVariantList{vorId});
}

} // namespace

Gliederleser::Gliederleser(Kette kette, qlonglong vorId) : abfrage_(glieder(kette, vorId)) {}

Gliederleser::~Gliederleser() = default;

bool Gliederleser::weiter()
{
    return abfrage_->next();
}

qint64 Gliederleser::laufnr() const
{
    return abfrage_->grosseZahl(0);
}

QByteArray Gliederleser::pruefwert() const
{
    qsizetype laenge = 0;
    const char* daten = abfrage_->bytes(1, laenge);
    return QByteArray(daten, laenge);
}

std::optional<QByteArray> wertNach(Kette kette, qint64 anzahl)
{
    if (anzahl == 0)
        return pruefkette::ohneVorgaenger();
    SqlStatement s(QStringLiteral("SELECT Pruefwert FROM %1 WHERE Pruefwert IS NOT NULL AND Vorgaenger IS NOT NULL "
                                  "ORDER BY ID LIMIT 1 OFFSET ?")
                       .arg(pruefkette::tabelle(kette)));
    s.bind(anzahl - 1).exec();
    if (!s.next())
        return std::nullopt;
    return s.value(0).toByteArray();
}

std::optional<QDateTime> kettenbeginn()
{
    SqlStatement s(QStringLiteral("SELECT Zeit FROM T_Protokoll WHERE Ereignis = ? ORDER BY ID LIMIT 1"));
    s.bind(ereignisText(Ereignis::KetteBegonnen)).exec();
    if (!s.next())
        return std::nullopt;
    return sqldate::fromSql(s.value(0));
}

int schemaversion()
{
    return schemastand::lesen();
}

QString datenstand()
{
    QStringList tabellen{QStringLiteral("T_Pruefkette")};
    for (Kette kette : pruefkette::alleKetten)
        tabellen << pruefkette::tabelle(kette);
    QStringList teile{Database::ort(), Database::dialekt().aenderungsstand(tabellen)};
    // This program changes the chained tables only together with the chains' notes; another file
    // opened under the same name (a restore) has other notes too.
    for (const auto& kopf : vermerkteKoepfe())
        if (kopf)
            teile << QString::number(kopf->anzahl) + QLatin1Char(':') + QString::fromLatin1(kopf->wert.toHex());
    return teile.join(QLatin1Char('|'));
}

} // namespace PruefStore
