#include "entry/Zeitfeld.h"

#include <gtest/gtest.h>

struct ZeitErgaenzungFall {
    const char* getippt;
    const char* ergebnis;
};

class ZeitfeldVerlassen : public ::testing::TestWithParam<ZeitErgaenzungFall> {};

TEST_P(ZeitfeldVerlassen, ErgaenztZuStundenUndMinuten)
{
    EXPECT_EQ(zeitfeld::vervollstaendigen(QString::fromUtf8(GetParam().getippt)), QString::fromUtf8(GetParam().ergebnis));
}

INSTANTIATE_TEST_SUITE_P(Faelle, ZeitfeldVerlassen,
                         ::testing::Values(ZeitErgaenzungFall{"7 :  ", "07:00"}, ZeitErgaenzungFall{"14:5 ", "14:05"},
                                           ZeitErgaenzungFall{"  :30", "00:30"}, ZeitErgaenzungFall{"  :  ", "  :  "},
                                           ZeitErgaenzungFall{"99:99", "99:99"}, ZeitErgaenzungFall{" 7: 3", "07:03"},
                                           ZeitErgaenzungFall{"12:  ", "12:00"}, ZeitErgaenzungFall{"08:15", "08:15"}));

struct LesenFall {
    const char* text;
    bool gueltig;
    QTime zeit;
};

class ZeitfeldLesen : public ::testing::TestWithParam<LesenFall> {};

TEST_P(ZeitfeldLesen, KenntNurZeitenVon0000Bis2359)
{
    const auto zeit = zeitfeld::lesen(QString::fromUtf8(GetParam().text));
    ASSERT_EQ(zeit.has_value(), GetParam().gueltig);
    if (zeit) {
        EXPECT_EQ(*zeit, GetParam().zeit);
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, ZeitfeldLesen,
                         ::testing::Values(LesenFall{"23:59", true, QTime(23, 59)}, LesenFall{"00:00", true, QTime(0, 0)},
                                           LesenFall{"24:00", false, {}}, LesenFall{"12:60", false, {}},
                                           LesenFall{"7 :00", false, {}}, LesenFall{"  :  ", false, {}},
                                           LesenFall{"12:3 ", false, {}}));

TEST(Zeitfeld, IstKomplettSobaldDieLetzteMinutenzifferSteht)
{
    EXPECT_TRUE(zeitfeld::minutenKomplett(QStringLiteral("12:34")));
    EXPECT_FALSE(zeitfeld::minutenKomplett(QStringLiteral("12:3 ")));
    EXPECT_TRUE(zeitfeld::istLeer(zeitfeld::leer));
    EXPECT_FALSE(zeitfeld::istLeer(QStringLiteral(" 1:  ")));
}
