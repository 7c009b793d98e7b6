#include "card/datafile/Windows1252.h"

#include <gtest/gtest.h>

using namespace cardfile;

struct CodePageCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    std::string utf8;
};

class CardDataFileWindows1252 : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(CardDataFileWindows1252, BothDirections)
{
    EXPECT_EQ(windows1252ToUtf8(GetParam().bytes), GetParam().utf8);
    EXPECT_EQ(utf8ToWindows1252(GetParam().utf8), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CardDataFileWindows1252,
    ::testing::Values(CodePageCase{"Ascii", {'W', 'e', 'r', 'k', ' ', '2'}, "Werk 2"},
                      CodePageCase{"Umlauts", {0xC4, 0xD6, 0xDC, 0xE4, 0xF6, 0xFC, 0xDF}, "ÄÖÜäöüß"},
                      CodePageCase{"EuroAndQuotes", {0x80, 0x84, 0x93, 0x96}, "€„“–"},
                      CodePageCase{"UndefinedBytesKeepTheirNumber", {0x81, 0x8D, 0x8F, 0x90, 0x9D},
                                   "\u0081\u008D\u008F\u0090\u009D"},
                      CodePageCase{"YWithDiaeresis", {0xFF}, "ÿ"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CardDataFileWindows1252Encoding, WhatTheCodePageCannotHoldBecomesQuestionMarks)
{
    EXPECT_EQ(utf8ToWindows1252("Łódź 😀"), (std::vector<std::uint8_t>{'?', 0xF3, 'd', '?', ' ', '?'}));
}

TEST(CardDataFileWindows1252Encoding, MalformedUtf8BecomesQuestionMarks)
{
    // A lone continuation byte, a truncated sequence, an overlong form of "/".
    EXPECT_EQ(utf8ToWindows1252("a\x80" "b\xC3"), (std::vector<std::uint8_t>{'a', '?', 'b', '?'}));
    EXPECT_EQ(utf8ToWindows1252("\xC0\xAF"), (std::vector<std::uint8_t>{'?', '?'}));
}
