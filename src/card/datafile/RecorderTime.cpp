#include "card/datafile/RecorderTime.h"

#include <cstdio>
#include <limits>
#include <stdexcept>

namespace cardfile {

namespace {

constexpr std::int64_t SecondsPerDay = 86400;

// Day numbers relative to 01.01.1970 in the proleptic Gregorian calendar (H. Hinnant's algorithms).
constexpr std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

struct CivilDate {
    int year;
    int month;
    int day;
};

constexpr CivilDate civilFromDays(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const unsigned month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const std::int64_t year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2);
    return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

constexpr std::int64_t Epoch1980 = daysFromCivil(1980, 1, 1);

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month)
{
    constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : Days[month - 1];
}

bool isValid(const RecorderTime& time)
{
    return time.month >= 1 && time.month <= 12 && time.day >= 1 && time.day <= daysInMonth(time.year, time.month) &&
           time.hour < 24 && time.minute < 60 && time.second < 60;
}

} // namespace

std::optional<RecorderTime> recorderTimeFromSeconds(std::uint32_t seconds)
{
    std::optional<RecorderTime> time;
    assignRecorderTime(seconds, time);
    return time;
}

void assignRecorderTime(std::uint32_t seconds, std::optional<RecorderTime>& time)
{
    if (seconds == 0) {
        time.reset();
        return;
    }
    // A card holds several records a day in time order, so the last day's date is usually the one.
    thread_local std::int64_t lastDay = -1;
    thread_local CivilDate lastDate{};
    const std::int64_t days = seconds / SecondsPerDay;
    const auto secondOfDay = static_cast<std::uint32_t>(seconds % SecondsPerDay);
    if (days != lastDay) {
        lastDate = civilFromDays(Epoch1980 + days);
        lastDay = days;
    }
    // Field by field into place: a full card converts two times per record.
    RecorderTime& value = time.emplace();
    value.year = static_cast<std::int16_t>(lastDate.year);
    value.month = static_cast<std::uint8_t>(lastDate.month);
    value.day = static_cast<std::uint8_t>(lastDate.day);
    value.hour = static_cast<std::uint8_t>(secondOfDay / 3600);
    value.minute = static_cast<std::uint8_t>(secondOfDay / 60 % 60);
    value.second = static_cast<std::uint8_t>(secondOfDay % 60);
}

std::uint32_t secondsSince1980(const std::optional<RecorderTime>& time)
{
    if (!time)
        return 0;
    if (!isValid(*time))
        throw std::invalid_argument("Datum oder Uhrzeit gibt es nicht");
    const std::int64_t days =
        daysFromCivil(time->year, static_cast<unsigned>(time->month), static_cast<unsigned>(time->day)) -
        Epoch1980;
    const std::int64_t seconds = days * SecondsPerDay + time->hour * 3600 + time->minute * 60 + time->second;
    if (seconds < 0 || seconds > std::numeric_limits<std::uint32_t>::max())
        throw std::out_of_range("Zeit liegt außerhalb dessen, was der Fahrtenschreiber speichern kann");
    return static_cast<std::uint32_t>(seconds);
}

std::int64_t secondsSince1970(const RecorderTime& time)
{
    return daysFromCivil(time.year, time.month, time.day) * SecondsPerDay + time.hour * 3600 + time.minute * 60 +
           time.second;
}

std::string germanDateTime(const RecorderTime& time)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", time.day, time.month, time.year,
                  time.hour, time.minute, time.second);
    return text;
}

} // namespace cardfile
