#include "common_ui/Schriftmass.h"
#include "support/ui/Schriften.h"

#include <gtest/gtest.h>

struct Skalierungsfall {
    const char* name;
    int pixel;
    qreal mass;
    qreal bezugsmass;
    int erwartet;
};

class Skalierung : public ::testing::TestWithParam<Skalierungsfall> {};

TEST_P(Skalierung, WaechstMitDerSchriftNieDarunter)
{
    const Skalierungsfall& fall = GetParam();
    EXPECT_EQ(schriftmass::skaliert(fall.pixel, fall.mass, fall.bezugsmass), fall.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Skalierung,
                         ::testing::Values(Skalierungsfall{"Bezugsschrift", 988, 5.0, 5.0, 988},
                                           Skalierungsfall{"KleinereSchrift", 988, 4.1, 5.0, 988},
                                           Skalierungsfall{"EinFuenftelBreiter", 988, 6.0, 5.0, 1186},
                                           Skalierungsfall{"DoppeltHoch", 178, 26.0, 13.0, 356},
                                           Skalierungsfall{"Null", 0, 9.0, 5.0, 0}),
                         [](const auto& fall) { return std::string(fall.param.name); });

TEST(Schriftmass, BeschriebeneGroessenBeiDerBezugsschrift)
{
    const Schriftwahl schrift(referenzschrift());
    EXPECT_EQ(schriftmass::breite(988), 988);
    EXPECT_EQ(schriftmass::hoehe(556), 556);
    EXPECT_EQ(schriftmass::groesse(430, 480), QSize(430, 480));
}

TEST(Schriftmass, BreitereSchriftVergroessertBreitenUndHoehen)
{
    int systembreite = 0;
    {
        const Schriftwahl schrift(systemschrift());
        systembreite = schriftmass::breite(988);
        EXPECT_GE(systembreite, 988);
    }
    const Schriftwahl schrift(breiteSchrift());
    EXPECT_GT(schriftmass::breite(988), systembreite);
    EXPECT_GT(schriftmass::breite(988), 988 * 13 / 10);
    EXPECT_GT(schriftmass::hoehe(556), 556);
}
