#include "evaluation/Fahrerauswertung.h"

#include <gtest/gtest.h>

using namespace fahrerauswertung;

namespace {

zeitpunkt::Sekunden um(int tag, int stunde, int minute = 0)
{
    return zeitpunkt::aus(QDate(2006, 5, tag), stunde, minute);
}

Fahrt fahrt(zeitpunkt::Sekunden ab, zeitpunkt::Sekunden an, int kmAb, int kmAn)
{
    return {ab, an, kmAb, kmAn};
}

// The example day: 08:00 to 09:00 and 10:00 to 11:00.
std::vector<Fahrt> zweiFahrtenAmTag()
{
    return {fahrt(um(2, 8), um(2, 9), 1000, 1040), fahrt(um(2, 10), um(2, 11), 1040, 1100)};
}

} // namespace

struct SummenFall {
    const char* name;
    std::vector<Fahrt> fahrten;
    Summe erwartet;
};

class FahrersummeTest : public ::testing::TestWithParam<SummenFall> {};

TEST_P(FahrersummeTest, ZaehltFahrzeitStandzeitUndKilometer)
{
    EXPECT_EQ(summe(GetParam().fahrten), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, FahrersummeTest,
    ::testing::Values(SummenFall{"keine", {}, {0, 0, 0, 0}},
                      SummenFall{"eineFahrt", {fahrt(um(2, 8), um(2, 9, 30), 10, 25)}, {1, 5400, 0, 15}},
                      SummenFall{"zweiAmTag", zweiFahrtenAmTag(), {2, 2 * 3600, 3600, 100}},
                      // Standing overnight is no standing time.
                      SummenFall{"verschiedeneTage",
                                 {fahrt(um(2, 8), um(2, 9), 0, 10), fahrt(um(3, 10), um(3, 11), 10, 20)},
                                 {2, 2 * 3600, 0, 20}},
                      // A trip over midnight: the next trip of the arrival day counts from its arrival.
                      SummenFall{"ueberMitternacht",
                                 {fahrt(um(2, 23), um(3, 1), 0, 100), fahrt(um(3, 2), um(3, 3), 100, 150)},
                                 {2, 3 * 3600, 3600, 150}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Fahrerauswertung, AlleFahrerZeigenDasBeispielInLangform)
{
    const TextTabelle tabelle = alleFahrerTabelle({{QStringLiteral("Meier"), summe(zweiFahrtenAmTag())}});
    EXPECT_EQ(tabelle.kopf, (QStringList{"Fahrer", "Anzahl", "Unterwegs", "Fahrzeit", "gefahrene km", "Standzeit"}));
    ASSERT_EQ(tabelle.zeilen.size(), 1);
    EXPECT_EQ(tabelle.zeilen[0], (QStringList{"Meier", "2", "0d 03h 00min", "0d 02h 00min", "100 km", "0d 01h 00min"}));
}

TEST(Fahrerauswertung, FahrerOhneFahrtenStehtMitNullwertenDa)
{
    const TextTabelle tabelle = alleFahrerTabelle({{QStringLiteral("Schulz"), summe({})}});
    ASSERT_EQ(tabelle.zeilen.size(), 1);
    EXPECT_EQ(tabelle.zeilen[0], (QStringList{"Schulz", "0", "0d 0h 0min", "0d 0h 0min", "0 km", "0d 0h 0min"}));
}

TEST(Fahrerauswertung, JeTagMitSummenzeile)
{
    const TextTabelle tabelle = tageTabelle(tage(zweiFahrtenAmTag()));
    EXPECT_EQ(tabelle.kopf, (QStringList{"Datum", "Startzeit", "Ankunftszeit", "Unterwegs", "Fahrzeit", "gefahrene km",
                                         "Standzeit"}));
    ASSERT_EQ(tabelle.zeilen.size(), 2);
    EXPECT_EQ(tabelle.zeilen[0], (QStringList{"02.05.2006", "08:00", "11:00", "03:00", "02:00", "100", "01:00"}));
    EXPECT_EQ(tabelle.zeilen[1],
              (QStringList{"Summe:", "", "", "0 Tag(e) 03:00", "0 Tag(e) 02:00", "100", "0 Tag(e) 01:00"}));
}

TEST(Fahrerauswertung, JeTagOhneFahrtenNurDieSummenzeile)
{
    const TextTabelle tabelle = tageTabelle(tage({}));
    ASSERT_EQ(tabelle.zeilen.size(), 1);
    EXPECT_EQ(tabelle.zeilen[0],
              (QStringList{"Summe:", "", "", "0 Tag(e) 00:00", "0 Tag(e) 00:00", "0", "0 Tag(e) 00:00"}));
}

TEST(Fahrerauswertung, TageStehenInDatumsfolgeNachAnkunftstag)
{
    const auto liste =
        tage({fahrt(um(9, 8), um(9, 9), 0, 1), fahrt(um(3, 23), um(4, 1), 0, 1), fahrt(um(1, 8), um(1, 9), 0, 1)});
    ASSERT_EQ(liste.size(), 3u);
    EXPECT_EQ(liste[0].datum, QDate(2006, 5, 1));
    EXPECT_EQ(liste[1].datum, QDate(2006, 5, 4));
    EXPECT_EQ(liste[1].beginn, um(3, 23));
    EXPECT_EQ(liste[2].datum, QDate(2006, 5, 9));
}

TEST(Fahrerauswertung, TagAb24StundenZeigtUhrformUnterEinemTagUndDieSummeGanz)
{
    // One trip of 25 hours arriving on the 3rd.
    const TextTabelle tabelle = tageTabelle(tage({fahrt(um(2, 7), um(3, 8), 0, 900)}));
    ASSERT_EQ(tabelle.zeilen.size(), 2);
    EXPECT_EQ(tabelle.zeilen[0][3], QStringLiteral("01:00"));
    EXPECT_EQ(tabelle.zeilen[0][4], QStringLiteral("01:00"));
    EXPECT_EQ(tabelle.zeilen[1][3], QStringLiteral("1 Tag(e) 01:00"));
    EXPECT_EQ(tabelle.zeilen[1][4], QStringLiteral("1 Tag(e) 01:00"));
}

TEST(Fahrerauswertung, EinTagMitStandzeitzeileUndSummenzeile)
{
    const auto beispiel = zweiFahrtenAmTag();
    const TextTabelle tabelle =
        tagesfahrtenTabelle({{beispiel[0], "B-XY 1", "Büro", "Kunde", "Besuch", "G", "mit Anhänger"},
                             {beispiel[1], "B-XY 1", "Kunde", "Büro", "Besuch", "G", ""}});
    EXPECT_EQ(tabelle.kopf, (QStringList{"Abfahrt", "Ankunft", "Fahrzeug", "von", "nach", "KM-Abf.", "KM-Ank.",
                                         "gef. km", "Dauer", "Zweck", "Art", "Bem"}));
    ASSERT_EQ(tabelle.zeilen.size(), 4);
    EXPECT_EQ(tabelle.zeilen[0], (QStringList{"08:00", "09:00", "B-XY 1", "Büro", "Kunde", "1000", "1040", "40",
                                              "01:00", "Besuch", "G", "mit Anhänger"}));
    EXPECT_EQ(tabelle.zeilen[1], (QStringList{"09:00", "10:00", "", "", "", "", "", "", "01:00", "Standzeit", "", ""}));
    EXPECT_EQ(tabelle.zeilen[2][0], QStringLiteral("10:00"));
    EXPECT_EQ(tabelle.zeilen[3], (QStringList{"Summe:", "", "", "", "", "", "", "100", "02:00", "Fahrzeit", "", ""}));
}

TEST(Fahrerauswertung, EinTagOhneLueckeOhneStandzeitzeile)
{
    const TextTabelle tabelle = tagesfahrtenTabelle({{fahrt(um(2, 8), um(2, 9), 0, 5), "", "", "", "", "", ""},
                                                     {fahrt(um(2, 9), um(2, 10), 5, 9), "", "", "", "", "", ""}});
    ASSERT_EQ(tabelle.zeilen.size(), 3);
    EXPECT_EQ(tabelle.zeilen[2][8], QStringLiteral("02:00"));
}
