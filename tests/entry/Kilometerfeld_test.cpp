#include "entry/Kilometerfeld.h"

#include <gtest/gtest.h>

using namespace kilometerfeld;

namespace {
constexpr qint64 letzterStand = 12000;
}

struct KmFall {
    const char* name;
    bool ekmVerlassen; // otherwise EkmStand is left
    const char* ekm;
    const char* ekmStand;
    bool kartenfahrzeug;
    const char* neuEkm;
    const char* neuEkmStand;
    bool fehler;
};

class Kilometerfelder : public ::testing::TestWithParam<KmFall> {};

TEST_P(Kilometerfelder, StimmenStreckeUndStandAufeinanderAb)
{
    const KmFall& fall = GetParam();
    const Felder felder{QString::fromUtf8(fall.ekm), QString::fromUtf8(fall.ekmStand)};
    const Ergebnis ergebnis = fall.ekmVerlassen ? ekmVerlassen(felder, letzterStand)
                                                : ekmStandVerlassen(felder, letzterStand, fall.kartenfahrzeug, true);
    EXPECT_EQ(ergebnis.fehler, fall.fehler);
    EXPECT_EQ(ergebnis.felder.ekm, QString::fromUtf8(fall.neuEkm));
    EXPECT_EQ(ergebnis.felder.ekmStand, QString::fromUtf8(fall.neuEkmStand));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Kilometerfelder,
    ::testing::Values(KmFall{"StreckeGibtStand", true, "45", "", false, "45  ", "12045  ", false},
                      KmFall{"LeereStreckeAusStand", true, "", "12100", false, "100 ", "12100  ", false},
                      KmFall{"StreckeMitLueckeIstFehler", true, "1 2", "", false, "1 2", "", true},
                      KmFall{"BeideLeer", true, "", "", false, "", "", false},
                      KmFall{"StandGibtStrecke", false, "", "12100", false, "100 ", "12100  ", false},
                      // The last known reading itself still counts as reached: a trip of 0 km.
                      KmFall{"StandGleichLetztemGibtNull", false, "", "12000", false, "0   ", "12000  ", false},
                      KmFall{"StandUnterLetztemMitStrecke", false, "45", "11900", false, "45  ", "12045  ", false},
                      KmFall{"StandUnterLetztemOhneStrecke", false, "", "11900", false, "", "", false},
                      KmFall{"KartenfahrzeugBehaeltStand", false, "", "11900", true, "", "11900  ", false},
                      KmFall{"StandMitBuchstabeIstFehler", false, "", "12a", false, "", "12a", true},
                      KmFall{"LeererStandAusStrecke", false, "45", "", false, "45", "12045  ", false},
                      KmFall{"FuehrendeNullen", false, "", "0012100", false, "100 ", "12100  ", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Kilometerfeld, LinksbuendigAufgefuellt)
{
    EXPECT_EQ(linksbuendig(45, streckeBreite), QStringLiteral("45  "));
    EXPECT_EQ(linksbuendig(12045, standBreite), QStringLiteral("12045  "));
    EXPECT_EQ(linksbuendig(-5, streckeBreite), QString());
}

TEST(Kilometerfeld, StreckeBeiDeaktiviertemStandBleibt)
{
    const Ergebnis ergebnis = ekmStandVerlassen({QStringLiteral("7"), QStringLiteral("12100")}, letzterStand, true, false);
    EXPECT_EQ(ergebnis.felder.ekm, QStringLiteral("7   "));
    EXPECT_EQ(ergebnis.felder.ekmStand, QStringLiteral("12100  "));
}
