#include "evaluation/Fahrtenfilter.h"

Fahrtenfilter Fahrtenfilter::zurueckgesetzt(const QDate& heute, bool ohneMusterfahrzeug)
{
    Fahrtenfilter filter;
    filter.abfahrtAb = filtergrenzen::abfahrtAb(filtergrenzen::fruehesterTag());
    filter.ankunftBis = filtergrenzen::ankunftBis(heute);
    filter.ohneMusterfahrzeug = ohneMusterfahrzeug;
    return filter;
}

Fahrtenfilter Fahrtenfilter::nurZeitraumUndFahrer() const
{
    Fahrtenfilter ergebnis;
    ergebnis.fahrer = fahrer;
    ergebnis.abfahrtAb = abfahrtAb;
    ergebnis.ankunftBis = ankunftBis;
    ergebnis.ohneMusterfahrzeug = ohneMusterfahrzeug;
    return ergebnis;
}

namespace filtergrenzen {

QDate fruehesterTag()
{
    return QDate(2002, 1, 1);
}

zeitpunkt::Sekunden abfahrtAb(const QDate& tag)
{
    return zeitpunkt::aus(tag, 0, 0, 0);
}

zeitpunkt::Sekunden ankunftBis(const QDate& tag)
{
    return zeitpunkt::aus(tag, 23, 59, 59);
}

std::optional<int> kmGrenze(const QString& text, int standard)
{
    const QString wert = text.trimmed();
    if (wert.isEmpty())
        return standard;
    for (const QChar zeichen : wert)
        if (zeichen < QLatin1Char('0') || zeichen > QLatin1Char('9'))
            return std::nullopt;
    if (wert.size() > 9)
        return std::nullopt;
    return wert.toInt();
}

QDate abfahrtKorrigiert(const QDate& abfahrt, const QDate& ankunft, bool ankunftGewaehlt)
{
    return ankunftGewaehlt && abfahrt > ankunft ? ankunft : abfahrt;
}

QDate ankunftKorrigiert(const QDate& ankunft, const QDate& abfahrt, bool abfahrtGewaehlt)
{
    return abfahrtGewaehlt && ankunft < abfahrt ? abfahrt : ankunft;
}

} // namespace filtergrenzen
