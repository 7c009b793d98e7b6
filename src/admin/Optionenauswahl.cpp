#include "admin/Optionenauswahl.h"

namespace {
constexpr int kuerzesteFahrtdauer = 1;
constexpr int laengsteFahrtdauer = 24;
constexpr int kleinsteGeschwindigkeit = 50;
constexpr int groessteGeschwindigkeit = 150;
constexpr int geschwindigkeitsSchritt = 10;
} // namespace

namespace optionenauswahl {

QStringList fahrtdauerEintraege()
{
    QStringList eintraege;
    for (int stunden = kuerzesteFahrtdauer; stunden <= laengsteFahrtdauer; ++stunden)
        eintraege << QStringLiteral("%1 h").arg(stunden);
    return eintraege;
}

QStringList geschwindigkeitEintraege()
{
    QStringList eintraege;
    for (int kmh = kleinsteGeschwindigkeit; kmh <= groessteGeschwindigkeit; kmh += geschwindigkeitsSchritt)
        eintraege << QStringLiteral("%1 km/h").arg(kmh);
    return eintraege;
}

std::optional<int> fahrtdauerIndex(int stunden)
{
    if (stunden < kuerzesteFahrtdauer || stunden > laengsteFahrtdauer)
        return std::nullopt;
    return stunden - kuerzesteFahrtdauer;
}

int geschwindigkeitIndex(int kmh)
{
    const QStringList eintraege = geschwindigkeitEintraege();
    for (int i = 0; i < eintraege.size(); ++i)
        if (zahlAmAnfang(eintraege[i]) == kmh)
            return i;
    return static_cast<int>(eintraege.size()) - 1;
}

int zahlAmAnfang(const QString& text)
{
    int zahl = 0;
    for (const QChar zeichen : text) {
        if (zeichen < QLatin1Char('0') || zeichen > QLatin1Char('9'))
            break;
        zahl = zahl * 10 + (zeichen.unicode() - '0');
    }
    return zahl;
}

} // namespace optionenauswahl
