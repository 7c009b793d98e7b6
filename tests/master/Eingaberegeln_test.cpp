#include "master/Fahrername.h"
#include "master/Ganzzahl.h"
#include "master/Inspektionspruefung.h"
#include "master/Kennzeichen.h"
#include "master/Zeitanzeige.h"

#include <gtest/gtest.h>

struct KennzeichenFall {
    const char* eingabe;
    const char* erwartet;
};

class Kennzeichen : public ::testing::TestWithParam<KennzeichenFall> {};

TEST_P(Kennzeichen, EndetAufBuchstabeOderZiffer)
{
    EXPECT_EQ(kennzeichenBereinigen(QString::fromUtf8(GetParam().eingabe)), QString::fromUtf8(GetParam().erwartet));
}

INSTANTIATE_TEST_SUITE_P(Faelle, Kennzeichen,
                         ::testing::Values(KennzeichenFall{"B-XY 12, Golf, ", "B-XY 12, Golf"},
                                           KennzeichenFall{"M-AB 3, Käfer-", "M-AB 3, Käfer"},
                                           KennzeichenFall{"HH-A 1, Kö", "HH-A 1, K"},
                                           KennzeichenFall{"HH-A 1, Smart 4", "HH-A 1, Smart 4"},
                                           KennzeichenFall{"äöü ,-", ""}, KennzeichenFall{"", ""}));

struct GanzzahlFall {
    const char* text;
    bool gueltig;
    int wert;
    int position;
};

class Ganzzahl : public ::testing::TestWithParam<GanzzahlFall> {};

TEST_P(Ganzzahl, LiestZahlOderNenntFehlerposition)
{
    const auto fall = GetParam();
    const GanzzahlErgebnis ergebnis = ganzzahlLesen(QString::fromUtf8(fall.text));
    EXPECT_EQ(ergebnis.gueltig, fall.gueltig);
    if (fall.gueltig)
        EXPECT_EQ(ergebnis.wert, fall.wert);
    else
        EXPECT_EQ(ergebnis.fehlerPosition, fall.position);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Ganzzahl,
    ::testing::Values(GanzzahlFall{"", false, 0, 1}, GanzzahlFall{"7", true, 7, 0}, GanzzahlFall{"  0042", true, 42, 0},
                      GanzzahlFall{"-3", true, -3, 0}, GanzzahlFall{"+12", true, 12, 0},
                      GanzzahlFall{"12a", false, 0, 3}, GanzzahlFall{"Varno", false, 0, 1},
                      GanzzahlFall{"-", false, 0, 2}, GanzzahlFall{"   ", false, 0, 4},
                      GanzzahlFall{"12 ", false, 0, 3}, GanzzahlFall{"2147483647", true, 2147483647, 0},
                      GanzzahlFall{"-2147483648", true, -2147483647 - 1, 0},
                      GanzzahlFall{"2147483648", false, 0, 10}));

struct InspektionFall {
    int inspKm;
    int anfKm;
    int tage; // inspection date relative to today
    inspektion::NeuFehler fehler;
};

class NeueInspektion : public ::testing::TestWithParam<InspektionFall> {};

TEST_P(NeueInspektion, DatumVorKilometern)
{
    const QDate heute(2006, 6, 1);
    const auto fall = GetParam();
    EXPECT_EQ(inspektion::neuesFahrzeugPruefen(fall.inspKm, fall.anfKm, heute.addDays(fall.tage), heute), fall.fehler);
}

INSTANTIATE_TEST_SUITE_P(Faelle, NeueInspektion,
                         ::testing::Values(InspektionFall{0, 5000, 0, inspektion::NeuFehler::Keiner},
                                           InspektionFall{5001, 5000, 10, inspektion::NeuFehler::Keiner},
                                           InspektionFall{5000, 5000, 10, inspektion::NeuFehler::Kilometer},
                                           InspektionFall{100, 5000, 10, inspektion::NeuFehler::Kilometer},
                                           InspektionFall{100, 5000, -1, inspektion::NeuFehler::Datum}));

TEST(Inspektion, KilometerMuessenUeberDemStandLiegen)
{
    EXPECT_FALSE(inspektion::kmZulaessig(20000, 20000));
    EXPECT_TRUE(inspektion::kmZulaessig(20001, 20000));
}

TEST(Inspektion, HeuteGiltGesternNicht)
{
    const QDate heute(2006, 6, 1);
    EXPECT_TRUE(inspektion::datumZulaessig(heute, heute));
    EXPECT_FALSE(inspektion::datumZulaessig(heute.addDays(-1), heute));
}

TEST(Fahrername, LeerOderVergebenWirdAbgelehnt)
{
    EXPECT_TRUE(fahrernameFehler(QStringLiteral("   "), false).has_value());
    EXPECT_TRUE(fahrernameFehler(QString(), false).has_value());
    const auto vergeben = fahrernameFehler(QStringLiteral("Meier"), true);
    ASSERT_TRUE(vergeben.has_value());
    EXPECT_TRUE(vergeben->contains(QStringLiteral("Meier")));
    EXPECT_FALSE(fahrernameFehler(QStringLiteral("Meier"), false).has_value());
}

TEST(Zeitanzeige, MitternachtOhneUhrzeit)
{
    EXPECT_EQ(zeitpunktAnzeige(QStringLiteral("2006-03-01 14:05:09")), QStringLiteral("01.03.2006 14:05:09"));
    EXPECT_EQ(zeitpunktAnzeige(QStringLiteral("2005-12-24 00:00:00")), QStringLiteral("24.12.2005"));
    EXPECT_TRUE(zeitpunktAnzeige(QVariant()).isEmpty());
}
