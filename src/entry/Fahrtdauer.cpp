#include "entry/Fahrtdauer.h"

namespace fahrtdauer {

namespace {
constexpr int minutenProTag = 24 * 60;
// 0.34 days in seconds: beyond this the user is asked whether the trip really took that long.
constexpr int nachfrageSekunden = 29376;
} // namespace

int minuten(const QTime& abfahrt, const QTime& ankunft)
{
    const int ab = abfahrt.hour() * 60 + abfahrt.minute();
    const int an = ankunft.hour() * 60 + ankunft.minute();
    return (an - ab + minutenProTag) % minutenProTag;
}

QString text(int minuten)
{
    return QStringLiteral("%1:%2")
        .arg(minuten / 60, 2, 10, QLatin1Char('0'))
        .arg(minuten % 60, 2, 10, QLatin1Char('0'));
}

Dauerpruefung pruefen(int minuten, int tFahrtStunden)
{
    if (minuten > tFahrtStunden * 60)
        return Dauerpruefung::Ueberschritten;
    if (minuten * 60 > nachfrageSekunden)
        return Dauerpruefung::Nachfragen;
    return Dauerpruefung::Ok;
}

int durchschnitt(qint64 kilometer, int minuten)
{
    if (minuten <= 0)
        return 0;
    // Exact integer arithmetic, so halves are recognised as halves.
    const qint64 zaehler = kilometer * 60;
    qint64 ergebnis = zaehler / minuten;
    const qint64 rest = zaehler % minuten;
    if (2 * rest > minuten || (2 * rest == minuten && ergebnis % 2 == 1))
        ++ergebnis;
    return static_cast<int>(ergebnis);
}

} // namespace fahrtdauer
