#include "evaluation/Ansichtsexport.h"

#include "common/CsvSchreiber.h"
#include "evaluation/BerichtStore.h"
#include "evaluation/Exportname.h"
#include "evaluation/Fahrtenexport.h"

namespace ansichtsexport {

QString vorschlag(const Auswertungsstand& stand, const QString& fahrzeug, const QString& fahrer)
{
    const QString zeitraum =
        exportname::zeitraum(zeitpunkt::datum(stand.filter.abfahrtAb), zeitpunkt::datum(stand.filter.ankunftBis));
    const QString csv = QStringLiteral("csv");
    if (stand.fahrzeugansicht)
        return exportname::dateiname(QStringLiteral("Fahrzeuge"), QString(), zeitraum, csv);
    if (stand.ansichtsModus == Auswertungsstand::Fahrten)
        return exportname::dateiname(QStringLiteral("Fahrten"), fahrzeug, zeitraum, csv);
    return exportname::dateiname(QStringLiteral("Fahrer"), fahrer, zeitraum, csv);
}

void schreiben(const QString& pfad, const Auswertungsstand& stand, const Fahrtenliste& fahrten)
{
    if (!stand.fahrzeugansicht && stand.ansichtsModus == Auswertungsstand::Fahrten) {
        const Fahrtenzusatz zusatz = BerichtStore().fahrtenzusatz(fahrten);
        CsvSchreiber::inDatei(pfad, [&](CsvSchreiber& csv) { fahrtenexport::schreiben(csv, fahrten, zusatz); });
        return;
    }
    const TextTabelle& tabelle = stand.dateiTabelle;
    CsvSchreiber::inDatei(pfad, [&](CsvSchreiber& csv) {
        csv.zeile(tabelle.kopf);
        for (const QStringList& zeile : tabelle.zeilen)
            csv.zeile(zeile);
    });
}

} // namespace ansichtsexport
