#include "common/GermanFormat.h"

#include <gtest/gtest.h>

struct KmFall {
    const char* eingabe;
    const char* erwartet;
};

class KmFormat : public ::testing::TestWithParam<KmFall> {};

TEST_P(KmFormat, NormalisiertKilometertext)
{
    EXPECT_EQ(kmFormat(QString::fromUtf8(GetParam().eingabe)), QString::fromUtf8(GetParam().erwartet));
}

INSTANTIATE_TEST_SUITE_P(Faelle, KmFormat,
                         ::testing::Values(KmFall{"0012 ", "12"}, KmFall{"", ""}, KmFall{"  345", "345"},
                                           KmFall{"12a34", "12"}, KmFall{"abc", "0"}, KmFall{"0000000", "0"},
                                           KmFall{"9999999", "9999999"},
                                           KmFall{"99999999999999999999999", "999999999999"}));

TEST(GermanDate, FormatiertMitFuehrendenNullen)
{
    EXPECT_EQ(german::date(QDate(2002, 1, 1)), QStringLiteral("01.01.2002"));
    EXPECT_EQ(german::dateTime(QDateTime(QDate(2005, 12, 24), QTime(14, 5))), QStringLiteral("24.12.2005 14:05:00"));
    EXPECT_EQ(german::time(QTime(7, 3, 59)), QStringLiteral("07:03"));
}

TEST(GermanDate, LiestKurzeUndLangeFormen)
{
    EXPECT_EQ(german::parseDate(QStringLiteral("1.1.2002")), QDate(2002, 1, 1));
    EXPECT_EQ(german::parseDate(QStringLiteral("24.12.2005")), QDate(2005, 12, 24));
    EXPECT_FALSE(german::parseDate(QStringLiteral("31.02.2005")));
    EXPECT_FALSE(german::parseDate(QStringLiteral("2005-12-24")));
    EXPECT_EQ(german::parseDateTime(QStringLiteral("24.12.2005 14:05")),
              QDateTime(QDate(2005, 12, 24), QTime(14, 5)));
    EXPECT_EQ(german::parseDateTime(QStringLiteral("24.12.2005 14:05:07")),
              QDateTime(QDate(2005, 12, 24), QTime(14, 5, 7)));
    EXPECT_FALSE(german::parseDateTime(QStringLiteral("24.12.2005 25:00")));
}
