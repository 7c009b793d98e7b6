#include "entry/Fahrtdauer.h"

#include <gtest/gtest.h>

using fahrtdauer::Dauerpruefung;

TEST(Fahrtdauer, UeberMitternachtZaehltBisZumNaechstenTag)
{
    EXPECT_EQ(fahrtdauer::minuten(QTime(22, 30), QTime(1, 15)), 165);
    EXPECT_EQ(fahrtdauer::minuten(QTime(8, 0), QTime(9, 30)), 90);
    EXPECT_EQ(fahrtdauer::minuten(QTime(8, 0), QTime(8, 0)), 0);
}

TEST(Fahrtdauer, TextInStundenUndMinuten)
{
    EXPECT_EQ(fahrtdauer::text(490), QStringLiteral("08:10"));
    EXPECT_EQ(fahrtdauer::text(165), QStringLiteral("02:45"));
}

struct DauerFall {
    int minuten;
    int tFahrt;
    Dauerpruefung ergebnis;
};

class Dauergrenze : public ::testing::TestWithParam<DauerFall> {};

TEST_P(Dauergrenze, PrueftGegenOptionUndNachfragegrenze)
{
    EXPECT_EQ(fahrtdauer::pruefen(GetParam().minuten, GetParam().tFahrt), GetParam().ergebnis);
}

// 0.34 days are 8:09:36: 8:09 passes without a question, 8:10 raises it.
INSTANTIATE_TEST_SUITE_P(Faelle, Dauergrenze,
                         ::testing::Values(DauerFall{490, 8, Dauerpruefung::Ueberschritten},
                                           DauerFall{490, 10, Dauerpruefung::Nachfragen},
                                           DauerFall{489, 10, Dauerpruefung::Ok}, DauerFall{480, 8, Dauerpruefung::Ok},
                                           DauerFall{481, 8, Dauerpruefung::Ueberschritten},
                                           DauerFall{165, 1, Dauerpruefung::Ueberschritten}));

struct TempoFall {
    int km;
    int minuten;
    int kmh;
};

class Durchschnitt : public ::testing::TestWithParam<TempoFall> {};

TEST_P(Durchschnitt, RundetHalbeZurGeradenZahl)
{
    EXPECT_EQ(fahrtdauer::durchschnitt(GetParam().km, GetParam().minuten), GetParam().kmh);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Durchschnitt,
                         ::testing::Values(TempoFall{150, 90, 100}, TempoFall{151, 90, 101}, TempoFall{1, 120, 0},
                                           TempoFall{1, 40, 2}, TempoFall{1, 24, 2}, TempoFall{3, 40, 4},
                                           TempoFall{10, 0, 0}, TempoFall{0, 30, 0}));
