#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

// The recorder counts seconds from 01.01.1980 00:00 on the vehicle's wall clock. It knows no time
// zone and no daylight saving, so a time is a plain calendar date and time, converted without any
// zone arithmetic.
namespace cardfile {

// Narrow fields keep a full card's worth of records small; they take part in arithmetic and
// formatting as ints (write int(time.hour) for a stream, which would show a character otherwise).
struct RecorderTime {
    std::int16_t year = 1980;
    std::uint8_t month = 1;
    std::uint8_t day = 1;
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;
    std::uint8_t second = 0;

    auto operator<=>(const RecorderTime&) const = default;
};

// The seconds as a date and time; 0 (01.01.1980 00:00 itself) means the recorder had no time.
std::optional<RecorderTime> recorderTimeFromSeconds(std::uint32_t seconds);
// The same into an existing value, so a long reading converts its times where they stand.
void assignRecorderTime(std::uint32_t seconds, std::optional<RecorderTime>& time);

// The seconds the recorder stores for `time`; no time gives 0. Throws std::out_of_range for a
// time the 32-bit counter cannot hold (before 1980 or after 07.02.2116 06:28:15) and
// std::invalid_argument for a date or time of day that does not exist.
std::uint32_t secondsSince1980(const std::optional<RecorderTime>& time);

// The seconds from 01.01.1970 00:00 to `time` on the same wall clock, no zone applied; `time` must
// be a date and time that exists, as every time read from a card is.
std::int64_t secondsSince1970(const RecorderTime& time);

// "14.03.2005 08:15:30"
std::string germanDateTime(const RecorderTime& time);

} // namespace cardfile
