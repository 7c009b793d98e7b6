#include "evaluation/Auswertungsanzeige.h"

#include "evaluation/Fahrerauswertung.h"

namespace auswertungsanzeige {

namespace {

using fahrerauswertung::Form;

QString kurzesDatum(const QDate& datum)
{
    return QStringLiteral("%1.%2.%3").arg(datum.day()).arg(datum.month()).arg(datum.year());
}

Ergebnis alleFahrer(const AuswertungStore& store, const Fahrtenfilter& filter)
{
    std::vector<fahrerauswertung::Fahrersumme> summen;
    for (const auto& fahrer : store.fahrerFahrten(filter.abfahrtAb, filter.ankunftBis))
        summen.push_back({fahrer.name, fahrerauswertung::summe(fahrer.fahrten)});
    return {.tabelle = fahrerauswertung::alleFahrerTabelle(summen),
            .dateiTabelle = fahrerauswertung::alleFahrerTabelle(summen, Form::Datei)};
}

Ergebnis fahrerJeTag(const AuswertungStore& store, const Fahrtenfilter& filter)
{
    const auto tage = fahrerauswertung::tage(
        store.fahrtenEinesFahrers(filter.fahrer.value_or(0), filter.abfahrtAb, filter.ankunftBis));
    return {.tabelle = fahrerauswertung::tageTabelle(tage),
            .dateiTabelle = fahrerauswertung::tageTabelle(tage, Form::Datei)};
}

Ergebnis fahrerAnEinemTag(const AuswertungStore& store, const Fahrtenfilter& filter)
{
    const auto fahrten = store.tagesfahrten(filter.fahrer.value_or(0), zeitpunkt::datum(filter.abfahrtAb));
    return {.tabelle = fahrerauswertung::tagesfahrtenTabelle(fahrten),
            .dateiTabelle = fahrerauswertung::tagesfahrtenTabelle(fahrten, Form::Datei)};
}

Ergebnis fahrzeuge(const AuswertungStore& store, const Fahrtenfilter& filter)
{
    Ergebnis ergebnis;
    ergebnis.fahrzeuge = store.fahrzeuge(filter.nurZeitraumUndFahrer());
    ergebnis.tabelle = fahrzeugauswertung::tabelle(ergebnis.fahrzeuge);
    ergebnis.dateiTabelle = ergebnis.tabelle;
    return ergebnis;
}

} // namespace

Ansicht waehlen(Gruppierung gruppierung, const Fahrtenfilter& filter, bool beideDatenGesetzt)
{
    switch (gruppierung) {
    case Gruppierung::NachFahrten:
        return Ansicht::Fahrten;
    case Gruppierung::NachFahrzeugen:
        return Ansicht::Fahrzeuge;
    case Gruppierung::NachFahrern:
        break;
    }
    if (!filter.fahrer)
        return Ansicht::AlleFahrer;
    const bool einTag = beideDatenGesetzt && zeitpunkt::tag(filter.abfahrtAb) == zeitpunkt::tag(filter.ankunftBis);
    return einTag ? Ansicht::FahrerAnEinemTag : Ansicht::FahrerJeTag;
}

QString anzeigeVon(const std::optional<QDate>& abDatum)
{
    return abDatum ? kurzesDatum(*abDatum) : QStringLiteral("1.1.2002");
}

QString anzeigeBis(const std::optional<QDate>& anDatum, const QDate& heute)
{
    return kurzesDatum(anDatum.value_or(heute));
}

Ergebnis abfragen(const AuswertungStore& store, Ansicht ansicht, const Fahrtenfilter& filter,
                  const AuswertungStore::Fortschritt& fortschritt)
{
    switch (ansicht) {
    case Ansicht::Fahrten:
        return {.fahrten = store.fahrten(filter, fortschritt)};
    case Ansicht::AlleFahrer:
        return alleFahrer(store, filter);
    case Ansicht::FahrerJeTag:
        return fahrerJeTag(store, filter);
    case Ansicht::FahrerAnEinemTag:
        return fahrerAnEinemTag(store, filter);
    case Ansicht::Fahrzeuge:
        return fahrzeuge(store, filter);
    }
    return {};
}

} // namespace auswertungsanzeige
