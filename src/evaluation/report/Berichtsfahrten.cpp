#include "evaluation/report/Berichtsfahrten.h"

namespace {

QDateTime alsDatumZeit(const std::optional<zeitpunkt::Sekunden>& zeit)
{
    if (!zeit)
        return {};
    const QDate tag = zeitpunkt::datum(*zeit);
    return QDateTime(tag, QTime(0, 0).addSecs(static_cast<int>(*zeit - zeitpunkt::aus(tag))));
}

} // namespace

std::vector<FahrtenZeile> berichtsfahrten(const Fahrtenliste& liste, const Bemerkungen& bemerkungen)
{
    const Stammnamen& namen = liste.namen();
    std::vector<FahrtenZeile> zeilen;
    zeilen.reserve(liste.anzahl());
    for (std::size_t zeile = 0; zeile < liste.anzahl(); ++zeile) {
        const GelisteteFahrt& fahrt = liste.fahrt(zeile);
        zeilen.push_back(FahrtenZeile{
            alsDatumZeit(fahrt.abfahrt), alsDatumZeit(fahrt.ankunft), namen.orte.value(fahrt.start),
            namen.orte.value(fahrt.ziel), fahrt.kmAb, fahrt.kmAn, namen.fahrzeuge.value(fahrt.fahrzeug),
            namen.fahrer.value(fahrt.fahrer), namen.zwecke.value(fahrt.zweck), namen.kategorien.value(fahrt.kategorie),
            namen.artKuerzel.value(fahrt.art), bemerkungen.at(zeile)});
    }
    return zeilen;
}
