#include "master/Ganzzahl.h"

#include <limits>

namespace {
GanzzahlErgebnis fehlerBei(qsizetype index)
{
    return {.gueltig = false, .fehlerPosition = static_cast<int>(index) + 1};
}
} // namespace

GanzzahlErgebnis ganzzahlLesen(const QString& text)
{
    qsizetype pos = 0;
    while (pos < text.size() && text.at(pos) == QLatin1Char(' '))
        ++pos;
    bool negativ = false;
    if (pos < text.size() && (text.at(pos) == QLatin1Char('+') || text.at(pos) == QLatin1Char('-'))) {
        negativ = text.at(pos) == QLatin1Char('-');
        ++pos;
    }
    if (pos >= text.size())
        return fehlerBei(text.isEmpty() ? 0 : pos);
    // Accumulate in the negative range, which holds the one extra value of int.
    const long long grenze = negativ ? -static_cast<long long>(std::numeric_limits<int>::min())
                                     : std::numeric_limits<int>::max();
    long long betrag = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text.at(pos).unicode();
        if (c < u'0' || c > u'9')
            return fehlerBei(pos);
        betrag = betrag * 10 + (c - u'0');
        if (betrag > grenze)
            return fehlerBei(pos);
    }
    return {.gueltig = true, .wert = static_cast<int>(negativ ? -betrag : betrag)};
}
