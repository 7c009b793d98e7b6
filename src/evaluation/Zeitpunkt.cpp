#include "evaluation/Zeitpunkt.h"

#include <type_traits>

namespace zeitpunkt {

namespace {

// Days since 1970-01-01 on the proleptic Gregorian calendar (H. Hinnant's algorithm).
qint64 tageSeitEpoche(int jahr, int monat, int tag)
{
    jahr -= monat <= 2 ? 1 : 0;
    const qint64 aera = (jahr >= 0 ? jahr : jahr - 399) / 400;
    const qint64 jahrDerAera = jahr - aera * 400;
    const qint64 tagDesJahres = (153 * (monat > 2 ? monat - 3 : monat + 9) + 2) / 5 + tag - 1;
    const qint64 tagDerAera = jahrDerAera * 365 + jahrDerAera / 4 - jahrDerAera / 100 + tagDesJahres;
    return aera * 146097 + tagDerAera - 719468;
}

struct Kalendertag {
    qint64 jahr;
    int monat;
    int tag;
};

// The inverse of tageSeitEpoche (same source).
Kalendertag kalendertag(qint64 tage)
{
    tage += 719468;
    const qint64 aera = (tage >= 0 ? tage : tage - 146096) / 146097;
    const qint64 tagDerAera = tage - aera * 146097;
    const qint64 jahrDerAera = (tagDerAera - tagDerAera / 1460 + tagDerAera / 36524 - tagDerAera / 146096) / 365;
    const qint64 tagDesJahres = tagDerAera - (365 * jahrDerAera + jahrDerAera / 4 - jahrDerAera / 100);
    const qint64 monatAbMaerz = (5 * tagDesJahres + 2) / 153;
    const int tag = static_cast<int>(tagDesJahres - (153 * monatAbMaerz + 2) / 5 + 1);
    const int monat = static_cast<int>(monatAbMaerz < 10 ? monatAbMaerz + 3 : monatAbMaerz - 9);
    return {jahrDerAera + aera * 400 + (monat <= 2 ? 1 : 0), monat, tag};
}

char* schreibeZiffern(char* ziel, qint64 wert, int stellen)
{
    for (int i = stellen - 1; i >= 0; --i, wert /= 10)
        ziel[i] = static_cast<char>('0' + wert % 10);
    return ziel + stellen;
}

qint64 abrunden(qint64 zaehler, qint64 nenner)
{
    return zaehler >= 0 ? zaehler / nenner : -((-zaehler + nenner - 1) / nenner);
}

template <typename Zeichen> int code(Zeichen z)
{
    if constexpr (std::is_same_v<Zeichen, QChar>)
        return z.unicode();
    else
        return static_cast<unsigned char>(z);
}

template <typename Zeichen> bool ziffern(const Zeichen* text, int von, int anzahl, int& wert)
{
    wert = 0;
    for (int i = von; i < von + anzahl; ++i) {
        const int c = code(text[i]);
        if (c < '0' || c > '9')
            return false;
        wert = wert * 10 + (c - '0');
    }
    return true;
}

template <typename Zeichen> std::optional<Sekunden> isoLesen(const Zeichen* text, qsizetype laenge)
{
    if (!text || laenge != 19 || code(text[4]) != '-' || code(text[7]) != '-' || code(text[10]) != ' ' ||
        code(text[13]) != ':' || code(text[16]) != ':')
        return std::nullopt;
    int jahr = 0, monat = 0, tagImMonat = 0, stunde = 0, minute = 0, sekunde = 0;
    if (!ziffern(text, 0, 4, jahr) || !ziffern(text, 5, 2, monat) || !ziffern(text, 8, 2, tagImMonat) ||
        !ziffern(text, 11, 2, stunde) || !ziffern(text, 14, 2, minute) || !ziffern(text, 17, 2, sekunde))
        return std::nullopt;
    if (monat < 1 || monat > 12 || tagImMonat < 1 || tagImMonat > 31 || stunde > 23 || minute > 59 || sekunde > 59)
        return std::nullopt;
    return tageSeitEpoche(jahr, monat, tagImMonat) * sekundenJeTag + stunde * 3600 + minute * 60 + sekunde;
}

QString zweistellig(qint64 wert)
{
    return QStringLiteral("%1").arg(wert, 2, 10, QLatin1Char('0'));
}

} // namespace

std::optional<Sekunden> ausIso(const char* text, qsizetype laenge)
{
    return isoLesen(text, laenge);
}

std::optional<Sekunden> ausIso(QStringView text)
{
    return isoLesen(text.data(), text.size());
}

Sekunden aus(const QDate& datum, int stunde, int minute, int sekunde)
{
    return tageSeitEpoche(datum.year(), datum.month(), datum.day()) * sekundenJeTag + stunde * 3600 + minute * 60 +
           sekunde;
}

qint64 tag(Sekunden zeit)
{
    return abrunden(zeit, sekundenJeTag);
}

QDate datum(Sekunden zeit)
{
    const Kalendertag k = kalendertag(tag(zeit));
    return QDate(static_cast<int>(k.jahr), k.monat, k.tag);
}

QString uhrzeitMitSekunden(Sekunden zeit)
{
    char text[laengeUhrzeitMitSekunden];
    return QString::fromLatin1(text, schreibeUhrzeitMitSekunden(text, zeit) - text);
}

QString uhrzeit(Sekunden zeit)
{
    const qint64 imTag = zeit - tag(zeit) * sekundenJeTag;
    return zweistellig(imTag / 3600) + QLatin1Char(':') + zweistellig(imTag / 60 % 60);
}

QString alsIso(Sekunden zeit)
{
    const QDate tagDatum = datum(zeit);
    return QStringLiteral("%1-%2-%3 ")
               .arg(tagDatum.year(), 4, 10, QLatin1Char('0'))
               .arg(zweistellig(tagDatum.month()), zweistellig(tagDatum.day())) +
           uhrzeitMitSekunden(zeit);
}

QString deutschMitZeit(Sekunden zeit)
{
    char text[laengeDeutschMitZeit];
    return QString::fromLatin1(text, schreibeDeutschMitZeit(text, zeit) - text);
}

char* schreibeUhrzeitMitSekunden(char* ziel, Sekunden zeit)
{
    const qint64 imTag = zeit - tag(zeit) * sekundenJeTag;
    ziel = schreibeZiffern(ziel, imTag / 3600, 2);
    *ziel++ = ':';
    ziel = schreibeZiffern(ziel, imTag / 60 % 60, 2);
    *ziel++ = ':';
    return schreibeZiffern(ziel, imTag % 60, 2);
}

char* schreibeDeutschMitZeit(char* ziel, Sekunden zeit)
{
    const Kalendertag k = kalendertag(tag(zeit));
    ziel = schreibeZiffern(ziel, k.tag, 2);
    *ziel++ = '.';
    ziel = schreibeZiffern(ziel, k.monat, 2);
    *ziel++ = '.';
    ziel = schreibeZiffern(ziel, k.jahr, 4);
    *ziel++ = ' ';
    return schreibeUhrzeitMitSekunden(ziel, zeit);
}

} // namespace zeitpunkt
