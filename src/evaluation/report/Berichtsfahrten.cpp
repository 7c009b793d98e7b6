#include "evaluation/report/Berichtsfahrten.h"

#include "audit/KorrekturStore.h"

namespace {

QDateTime alsDatumZeit(const std::optional<zeitpunkt::Sekunden>& zeit)
{
    if (!zeit)
        return {};
    const QDate tag = zeitpunkt::datum(*zeit);
    return QDateTime(tag, QTime(0, 0).addSecs(static_cast<int>(*zeit - zeitpunkt::aus(tag))));
}

} // namespace

std::vector<FahrtenZeile> berichtsfahrten(const Fahrtenliste& liste, const Bemerkungen& bemerkungen,
                                          const Erfassungen& erfassungen)
{
    const Stammnamen& namen = liste.namen();
    std::vector<FahrtenZeile> zeilen;
    zeilen.reserve(liste.anzahl());
    for (std::size_t zeile = 0; zeile < liste.anzahl(); ++zeile) {
        if (liste.ersetzung(zeile))
            continue;
        const GelisteteFahrt& fahrt = liste.fahrt(zeile);
        zeilen.push_back(FahrtenZeile{
            alsDatumZeit(fahrt.abfahrt), alsDatumZeit(fahrt.ankunft), namen.orte.value(fahrt.start),
            namen.orte.value(fahrt.ziel), fahrt.kmAb, fahrt.kmAn, namen.fahrzeuge.value(fahrt.fahrzeug),
            namen.fahrer.value(fahrt.fahrer), namen.zwecke.value(fahrt.zweck), namen.kategorien.value(fahrt.kategorie),
            namen.artKuerzel.value(fahrt.art), bemerkungen.at(zeile), erfassungen.at(zeile)});
    }
    return zeilen;
}

std::vector<KorrekturZeile> berichtskorrekturen(std::optional<int> fahrzeug, bool ohneMusterfahrzeug,
                                                zeitpunkt::Sekunden von, zeitpunkt::Sekunden bis)
{
    std::vector<KorrekturZeile> zeilen;
    for (const Korrektur& k :
         KorrekturStore::korrekturen(fahrzeug, ohneMusterfahrzeug, alsDatumZeit(von), alsDatumZeit(bis)))
        zeilen.push_back(
            {korrektur::fahrt(k.alt),
             (k.neu.storniert ? QStringLiteral("storniert am ") : QStringLiteral("korrigiert am ")) + k.neu.erfasst,
             k.neu.grund, k.neu.storniert ? QStringList() : korrektur::aenderungen(k)});
    return zeilen;
}
