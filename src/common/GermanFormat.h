#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>

// The German display and entry forms of dates, times and kilometres. They are the program's own,
// independent of the machine's locale, so Varno behaves the same everywhere.
namespace german {

// "24.12.2005"
QString date(const QDate& date);
// "24.12.2005 14:05:00"
QString dateTime(const QDateTime& dateTime);
// "14:05"
QString time(const QTime& time);
// "14:05:00"
QString timeWithSeconds(const QTime& time);

// Accepts day.month.year with or without leading zeros ("1.1.2002", "01.01.2002").
std::optional<QDate> parseDate(const QString& text);
// Accepts a date optionally followed by a blank and hh:mm or hh:mm:ss.
std::optional<QDateTime> parseDateTime(const QString& text);

// The date that stands for "no inspection date" and similar markers: 01.01.2002.
QDate noDate();

} // namespace german

// Normalises an odometer text: read as a decimal integer from its start (leading blanks skipped)
// up to the first non-digit and written back without leading zeros; an empty text stays empty.
QString kmFormat(const QString& text);
