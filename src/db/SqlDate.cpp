#include "db/SqlDate.h"

#include "common/GermanFormat.h"

namespace sqldate {

namespace {
const QString isoFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// The number of `anzahl` digits at `von`; -1 when one is no digit.
int ziffern(QStringView text, int von, int anzahl)
{
    int wert = 0;
    for (const QChar zeichen : text.mid(von, anzahl)) {
        if (zeichen < u'0' || zeichen > u'9')
            return -1;
        wert = wert * 10 + (zeichen.unicode() - u'0');
    }
    return wert;
}

// The stored text as the clock time it names, read without a time zone (held as UTC, which has
// none): it is the time as entered. A local QDateTime would consult the system's zone data on
// every call (a file check each time, seconds for a list of a hundred thousand rows) and move a
// time in the hour skipped when the clocks go forward.
std::optional<QDateTime> uhrzeitOhneZone(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    const QString text = value.toString();
    if (text.size() != isoFormat.size() || text[4] != u'-' || text[7] != u'-' || text[10] != u' ' ||
        text[13] != u':' || text[16] != u':')
        return std::nullopt;
    const int jahr = ziffern(text, 0, 4);
    const QDate datum(jahr, ziffern(text, 5, 2), ziffern(text, 8, 2));
    const QTime zeit(ziffern(text, 11, 2), ziffern(text, 14, 2), ziffern(text, 17, 2));
    // A year of -1 is a valid QDate (1 BC): it must not stand for "no digits".
    if (jahr < 0 || !datum.isValid() || !zeit.isValid())
        return std::nullopt;
    return QDateTime(datum, zeit, Qt::UTC);
}
} // namespace

QString toSql(const QDateTime& dateTime)
{
    return dateTime.toString(isoFormat);
}

QString toSql(const QDate& date)
{
    return toSql(QDateTime(date, QTime(0, 0)));
}

std::optional<QDateTime> fromSql(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    const QDateTime result = QDateTime::fromString(value.toString(), isoFormat);
    if (!result.isValid())
        return std::nullopt;
    return result;
}

QString germanDate(const QVariant& value)
{
    const auto gespeichert = uhrzeitOhneZone(value);
    return gespeichert ? german::date(gespeichert->date()) : QString();
}

QString germanDateTime(const QVariant& value)
{
    const auto gespeichert = uhrzeitOhneZone(value);
    return gespeichert ? german::dateTime(*gespeichert) : QString();
}

} // namespace sqldate
