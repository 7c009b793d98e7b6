#include "evaluation/Fahrzeugauswertung.h"

#include <gtest/gtest.h>

struct AnteilFall {
    KilometerJeArt km;
    const char* text;
};

class PrivatanteilTest : public ::testing::TestWithParam<AnteilFall> {};

TEST_P(PrivatanteilTest, RechnetDenAnteilDerPrivatfahrten)
{
    EXPECT_EQ(fahrzeugauswertung::prozentText(fahrzeugauswertung::privatanteil(GetParam().km)),
              QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Faelle, PrivatanteilTest,
                         ::testing::Values(AnteilFall{{0, 0, 0, 0}, "0,0 %"}, AnteilFall{{0, 100, 0, 0}, "100,0 %"},
                                           AnteilFall{{10, 10, 10, 0}, "33,3 %"}, AnteilFall{{0, 1, 0, 7}, "12,5 %"}));

TEST(Fahrzeugauswertung, EineZeileJeFahrzeug)
{
    const TextTabelle tabelle = fahrzeugauswertung::tabelle({{"B-XY 1, Golf", 3, {5, 20, 15, 60}}});
    EXPECT_EQ(tabelle.kopf, (QStringList{"Fahrzeug", "Anzahl", "Kilometer", "unzugeordnet", "privat", "Arbeitsweg",
                                         "geschäftlich", "Privatanteil"}));
    ASSERT_EQ(tabelle.zeilen.size(), 1);
    EXPECT_EQ(tabelle.zeilen[0], (QStringList{"B-XY 1, Golf", "3", "100", "5", "20", "15", "60", "20,0 %"}));
}
