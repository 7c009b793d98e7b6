#include "card/datafile/RecorderTime.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace cardfile;

struct TimeCase {
    std::uint32_t seconds;
    RecorderTime time;
};

class CardDataFileTime : public ::testing::TestWithParam<TimeCase> {};

TEST_P(CardDataFileTime, SecondsSince1980AsWallClock)
{
    EXPECT_EQ(recorderTimeFromSeconds(GetParam().seconds), GetParam().time);
    EXPECT_EQ(secondsSince1980(GetParam().time), GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CardDataFileTime,
    ::testing::Values(TimeCase{1, {1980, 1, 1, 0, 0, 1}}, TimeCase{795255330, {2005, 3, 14, 8, 15, 30}},
                      TimeCase{795257530, {2005, 3, 14, 8, 52, 10}},
                      // An hour that daylight saving skips in Germany still exists on the recorder's clock.
                      TimeCase{796357800, {2005, 3, 27, 2, 30, 0}},
                      TimeCase{5097600, {1980, 2, 29, 0, 0, 0}}, TimeCase{636335999, {2000, 2, 29, 23, 59, 59}},
                      TimeCase{4294967295u, {2116, 2, 7, 6, 28, 15}}));

TEST(CardDataFileTimeLimits, ZeroIsNoTime)
{
    EXPECT_FALSE(recorderTimeFromSeconds(0).has_value());
    EXPECT_EQ(secondsSince1980(std::nullopt), 0u);
}

TEST(CardDataFileTimeLimits, TimesTheCounterCannotHoldAreRefused)
{
    EXPECT_THROW(secondsSince1980(RecorderTime{1979, 12, 31, 23, 59, 59}), std::out_of_range);
    EXPECT_THROW(secondsSince1980(RecorderTime{2116, 2, 7, 6, 28, 16}), std::out_of_range);
    EXPECT_THROW(secondsSince1980(RecorderTime{2005, 2, 29, 0, 0, 0}), std::invalid_argument);
    EXPECT_THROW(secondsSince1980(RecorderTime{2005, 3, 14, 24, 0, 0}), std::invalid_argument);
}

TEST(CardDataFileTimeLimits, GermanText)
{
    EXPECT_EQ(germanDateTime({2005, 3, 4, 8, 5, 0}), "04.03.2005 08:05:00");
}
