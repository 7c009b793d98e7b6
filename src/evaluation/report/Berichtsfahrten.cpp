#include "evaluation/report/Berichtsfahrten.h"

#include "audit/KorrekturStore.h"
#include "evaluation/Fahrtspalte.h"

namespace {

QDateTime alsDatumZeit(const std::optional<zeitpunkt::Sekunden>& zeit)
{
    if (!zeit)
        return {};
    const QDate tag = zeitpunkt::datum(*zeit);
    return QDateTime(tag, QTime(0, 0).addSecs(static_cast<int>(*zeit - zeitpunkt::aus(tag))));
}

} // namespace

// The values come through the list's columns; the report prints both times in full, also for a
// trip whose times the list leaves empty.
std::vector<FahrtenZeile> berichtsfahrten(const Fahrtenliste& liste, const Bemerkungen& bemerkungen,
                                          const Erfassungen& erfassungen)
{
    const Stammnamen& namen = liste.namen();
    const auto spalten = Fahrtspalte::liste();
    std::vector<FahrtenZeile> zeilen;
    zeilen.reserve(liste.anzahl());
    for (std::size_t zeile = 0; zeile < liste.anzahl(); ++zeile) {
        if (liste.ersetzung(zeile))
            continue;
        const GelisteteFahrt& fahrt = liste.fahrt(zeile);
        const auto zeit = [&](Fahrtenliste::Spalte spalte) { return alsDatumZeit(fahrt.*spalten[spalte].zeit); };
        const auto name = [&](Fahrtenliste::Spalte spalte) { return spalten[spalte].name(fahrt, namen); };
        const auto zahl = [&](Fahrtenliste::Spalte spalte) { return static_cast<int>(spalten[spalte].zahl(fahrt)); };
        using L = Fahrtenliste;
        zeilen.push_back(FahrtenZeile{zeit(L::Abfahrt), zeit(L::Ankunft), name(L::Von), name(L::Nach), zahl(L::KmAbf),
                                      zahl(L::KmAnk), name(L::Fahrzeug), name(L::Fahrer), name(L::Zweck),
                                      name(L::Kategorie), name(L::Art), bemerkungen.at(zeile), erfassungen.at(zeile)});
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
