#include "entry/Zahlfeld.h"

namespace {
bool istZiffer(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Fields hold at most 7 digits; the cap only keeps absurd input from overflowing.
constexpr qint64 hoechstwert = 100'000'000'000LL;
} // namespace

Zahlfeld zahlLesen(const QString& text)
{
    Zahlfeld zahl;
    qsizetype pos = 0;
    while (pos < text.size() && text.at(pos) == QLatin1Char(' '))
        ++pos;
    for (; pos < text.size() && istZiffer(text.at(pos)); ++pos) {
        if (zahl.wert < hoechstwert)
            zahl.wert = zahl.wert * 10 + text.at(pos).digitValue();
        ++zahl.ziffern;
    }
    for (; pos < text.size(); ++pos)
        if (text.at(pos) != QLatin1Char(' '))
            zahl.istZahl = false;
    return zahl;
}
