#include "audit/export/Zeitstempeltabelle.h"

#include "audit/ZeitstempelStore.h"
#include "audit/export/Kettenanzahlspalten.h"
#include "common/CsvSchreiber.h"
#include "common/GermanFormat.h"

namespace {

using Art = Exportspalte::Art;

// Entries whose description is no time stamp are the protocol's to show; protokoll.csv has them.
void zeitstempelzeilen(CsvSchreiber& csv, const Exportzeitraum&)
{
    for (const ZeitstempelStore::Eintrag& eintrag : ZeitstempelStore::alle()) {
        if (!eintrag.zeitstempel)
            continue;
        const Zeitstempel& z = *eintrag.zeitstempel;
        csv.zahl(eintrag.id);
        csv.feld(QStringView(german::dateTime(eintrag.erfasst)));
        csv.feld(QStringView(german::dateTime(z.zeit.toLocalTime())));
        csv.feld(QStringView(z.dienst));
        csv.feld(QStringView(z.anlass));
        csv.feld(QStringView(QString::fromLatin1(z.pruefwert.toHex().toUpper())));
        for (qint64 anzahl : z.anzahl)
            csv.zahl(anzahl);
        csv.feld(QStringView(QString::fromLatin1(z.token.toBase64())));
        csv.zeileBeenden();
    }
}

} // namespace

Exporttabelle zeitstempeltabelle()
{
    std::vector<Exportspalte> spalten{
        {QStringLiteral("ID"), QStringLiteral("Nummer des Protokolleintrags"), Art::Zahl},
        {QStringLiteral("Erfasst"), QStringLiteral("wann der Eintrag gespeichert wurde (Uhr des Computers)"),
         Art::Zeitpunkt},
        {QStringLiteral("Zeit"), QStringLiteral("Zeit des Zeitstempeldienstes"), Art::Zeitpunkt},
        {QStringLiteral("Dienst"), QStringLiteral("Adresse des Zeitstempeldienstes")},
        {QStringLiteral("Anlass"), QStringLiteral("Datensicherung oder Jahresfahrtenbuch mit Datei")},
        {QStringLiteral("Pruefwert"), QStringLiteral("der volle Prüfwert des Stands (64 Hexadezimalziffern)")}};
    for (Exportspalte& anzahl : kettenanzahlspalten())
        spalten.push_back(std::move(anzahl));
    spalten.push_back({QStringLiteral("Token"), QStringLiteral("die Antwort des Dienstes (RFC 3161, DER, Base64)")});
    return {QStringLiteral("zeitstempel.csv"),
            QStringLiteral("Zeitstempel"),
            QStringLiteral("Die Zeitstempel eines Zeitstempeldienstes über Prüfwerte des Fahrtenbuchs"),
            std::move(spalten),
            1,
            zeitstempelzeilen};
}
