#pragma once

#include <QDate>
#include <QDateTime>
#include <QVariant>

#include <optional>

// Date-times are stored as ISO text "YYYY-MM-DD HH:MM:SS", which sorts and compares correctly;
// a time that was not recorded is NULL.
namespace sqldate {

QString toSql(const QDateTime& dateTime);
QString toSql(const QDate& date);
// NULL, empty or malformed values give no time.
std::optional<QDateTime> fromSql(const QVariant& value);
// The stored value as a German date ("24.12.2005"); empty for NULL.
QString germanDate(const QVariant& value);
// The stored value as German date and time ("24.12.2005 14:05:00"); empty for NULL.
QString germanDateTime(const QVariant& value);

} // namespace sqldate
