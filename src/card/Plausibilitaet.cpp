#include "card/Plausibilitaet.h"

#include <cstdlib>

namespace {

constexpr qint64 sekundenProTag = 24 * 60 * 60;
constexpr double hoechstgeschwindigkeit = 200.0;

QString ortOhneZwischenstopp(const QString& ort)
{
    QString bereinigt = ort;
    return bereinigt.remove(QStringLiteral("- Zwischenstopp")).trimmed();
}

bool wiederholtOhneStrecke(const ImportFahrt& fahrt, const ImportFahrt& vorige)
{
    return fahrt.zielKm == fahrt.startKm && fahrt.art == vorige.art &&
           ortOhneZwischenstopp(fahrt.ort) == ortOhneZwischenstopp(vorige.ort);
}

} // namespace

Pruefbefund pruefeFahrt(const ImportFahrt& fahrt, const ImportFahrt* vorige)
{
    if (!fahrt.zielzeit)
        return Pruefbefund::Gruen;
    if (!fahrt.startzeit)
        return Pruefbefund::Umwandlungsfehler;
    const qint64 dauer = fahrt.startzeit->secsTo(*fahrt.zielzeit);
    const int strecke = fahrt.zielKm - fahrt.startKm;
    // Whole days and seconds do not count; a negative duration has the time of day of its amount.
    const qint64 tageszeit = std::llabs(dauer) % sekundenProTag;
    const qint64 minuten = tageszeit / 60;
    if (strecke != 0 && minuten == 0)
        return Pruefbefund::Umwandlungsfehler;
    const double geschwindigkeit = strecke == 0 ? 0.0 : strecke / (static_cast<double>(minuten) / 60.0);

    const bool zuLang = dauer > sekundenProTag;
    const bool zuSchnell = geschwindigkeit > hoechstgeschwindigkeit;
    const bool wiederholt = vorige && wiederholtOhneStrecke(fahrt, *vorige);
    return zuLang || zuSchnell || wiederholt ? Pruefbefund::Rot : Pruefbefund::Gruen;
}

Pruefung pruefeFahrten(const std::vector<ImportFahrt>& fahrten,
                       const std::function<bool(const ImportFahrt&)>& schonGespeichert)
{
    Pruefung pruefung;
    pruefung.rot.assign(fahrten.size(), false);
    for (std::size_t i = 0; i < fahrten.size(); ++i) {
        const ImportFahrt* vorige = i > 0 ? &fahrten[i - 1] : nullptr;
        switch (pruefeFahrt(fahrten[i], vorige)) {
        case Pruefbefund::Rot:
            pruefung.rot[i] = true;
            break;
        case Pruefbefund::Umwandlungsfehler:
            pruefung.fehlerzeilen.push_back(static_cast<int>(i) + 1);
            break;
        case Pruefbefund::Gruen:
            break;
        }
        if (schonGespeichert && schonGespeichert(fahrten[i]))
            pruefung.rot[i] = true;
    }
    return pruefung;
}
