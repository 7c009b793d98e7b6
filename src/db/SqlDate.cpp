#include "db/SqlDate.h"

#include "common/GermanFormat.h"

namespace sqldate {

namespace {
const QString isoFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
}

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
    const auto dateTime = fromSql(value);
    return dateTime ? german::date(dateTime->date()) : QString();
}

QString germanDateTime(const QVariant& value)
{
    const auto dateTime = fromSql(value);
    return dateTime ? german::dateTime(*dateTime) : QString();
}

} // namespace sqldate
