#include "common/Clock.h"

std::optional<QDateTime>& Clock::fixed()
{
    static std::optional<QDateTime> value;
    return value;
}

QDateTime Clock::now()
{
    return fixed().value_or(QDateTime::currentDateTime());
}

QDate Clock::today()
{
    return now().date();
}

void Clock::setFixed(const QDateTime& now)
{
    fixed() = now;
}

void Clock::reset()
{
    fixed().reset();
}
