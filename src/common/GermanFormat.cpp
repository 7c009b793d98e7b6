#include "common/GermanFormat.h"

#include <QRegularExpression>

namespace german {

QString date(const QDate& date)
{
    return QStringLiteral("%1.%2.%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString time(const QTime& time)
{
    return QStringLiteral("%1:%2").arg(time.hour(), 2, 10, QLatin1Char('0')).arg(time.minute(), 2, 10, QLatin1Char('0'));
}

QString timeWithSeconds(const QTime& t)
{
    return time(t) + QStringLiteral(":%1").arg(t.second(), 2, 10, QLatin1Char('0'));
}

QString dateTime(const QDateTime& dateTime)
{
    return date(dateTime.date()) + QLatin1Char(' ') + timeWithSeconds(dateTime.time());
}

std::optional<QDate> parseDate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})\\s*$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate result(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
    if (!result.isValid())
        return std::nullopt;
    return result;
}

std::optional<QDateTime> parseDateTime(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\S+)(?:\\s+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?\\s*$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const auto day = parseDate(match.captured(1));
    if (!day)
        return std::nullopt;
    QTime clock(0, 0);
    if (match.hasCaptured(2)) {
        clock = QTime(match.captured(2).toInt(), match.captured(3).toInt(), match.captured(4).toInt());
        if (!clock.isValid())
            return std::nullopt;
    }
    return QDateTime(*day, clock);
}

QDate noDate()
{
    return QDate(2002, 1, 1);
}

} // namespace german

QString kmFormat(const QString& text)
{
    if (text.isEmpty())
        return text;
    qsizetype pos = 0;
    while (pos < text.size() && text.at(pos) == QLatin1Char(' '))
        ++pos;
    qlonglong value = 0;
    // Odometer fields hold 7 digits; the cap only keeps absurd input from overflowing.
    for (; pos < text.size() && text.at(pos).isDigit() && text.at(pos).unicode() < 128 && value < 100'000'000'000LL;
         ++pos)
        value = value * 10 + text.at(pos).digitValue();
    return QString::number(value);
}
