#include "evaluation/Fahrtenfilter.h"

#include <gtest/gtest.h>

struct KmFall {
    const char* text;
    int standard;
    std::optional<int> grenze;
};

class KmGrenzeTest : public ::testing::TestWithParam<KmFall> {};

TEST_P(KmGrenzeTest, LiestDasKilometerfeld)
{
    EXPECT_EQ(filtergrenzen::kmGrenze(QString::fromLatin1(GetParam().text), GetParam().standard), GetParam().grenze);
}

INSTANTIATE_TEST_SUITE_P(Faelle, KmGrenzeTest,
                         ::testing::Values(KmFall{"", 0, 0}, KmFall{"", 3000000, 3000000},
                                           KmFall{"   ", 3000000, 3000000}, KmFall{"12345", 0, 12345},
                                           KmFall{"0012", 0, 12}, KmFall{" 150 ", 0, 150},
                                           KmFall{"12a", 0, std::nullopt}, KmFall{"1 2", 0, std::nullopt},
                                           KmFall{"-5", 0, std::nullopt}, KmFall{"1.000", 0, std::nullopt}));

TEST(Fahrtenfilter, ZuruecksetzenLaesstAllesZuVomErstenJanuar2002BisHeuteAbend)
{
    const Fahrtenfilter filter = Fahrtenfilter::zurueckgesetzt(QDate(2006, 6, 1), true);
    EXPECT_FALSE(filter.fahrzeug || filter.fahrer || filter.von || filter.nach || filter.zweck || filter.kategorie ||
                 filter.art);
    EXPECT_EQ(filter.bemerkung, Fahrtenfilter::Bemerkung::Alle);
    EXPECT_EQ(filter.kmAb, 0);
    EXPECT_EQ(filter.kmAn, 3000000);
    EXPECT_EQ(zeitpunkt::alsIso(filter.abfahrtAb), QStringLiteral("2002-01-01 00:00:00"));
    EXPECT_EQ(zeitpunkt::alsIso(filter.ankunftBis), QStringLiteral("2006-06-01 23:59:59"));
    EXPECT_TRUE(filter.ohneMusterfahrzeug);
}

TEST(Fahrtenfilter, GrenzenNehmenDenMonatAlsMonat)
{
    // 5 March 2004, not 3 May.
    EXPECT_EQ(zeitpunkt::alsIso(filtergrenzen::abfahrtAb(QDate(2004, 3, 5))), QStringLiteral("2004-03-05 00:00:00"));
    EXPECT_EQ(zeitpunkt::alsIso(filtergrenzen::ankunftBis(QDate(2004, 3, 5))), QStringLiteral("2004-03-05 23:59:59"));
}

TEST(Fahrtenfilter, FahrzeugansichtBehaeltNurZeitraumFahrerUndMusterregel)
{
    Fahrtenfilter filter = Fahrtenfilter::zurueckgesetzt(QDate(2006, 6, 1), false);
    filter.fahrzeug = 2;
    filter.fahrer = 3;
    filter.zweck = 4;
    filter.bemerkung = Fahrtenfilter::Bemerkung::Ja;
    filter.kmAb = 100;
    const Fahrtenfilter ansicht = filter.nurZeitraumUndFahrer();
    EXPECT_EQ(ansicht.fahrer, 3);
    EXPECT_FALSE(ansicht.fahrzeug || ansicht.zweck);
    EXPECT_EQ(ansicht.bemerkung, Fahrtenfilter::Bemerkung::Alle);
    EXPECT_EQ(ansicht.kmAb, 0);
    EXPECT_EQ(ansicht.abfahrtAb, filter.abfahrtAb);
    EXPECT_EQ(ansicht.ankunftBis, filter.ankunftBis);
    EXPECT_FALSE(ansicht.ohneMusterfahrzeug);
}

struct KorrekturFall {
    QDate abfahrt;
    QDate ankunft;
    bool andereGewaehlt;
    QDate abfahrtDanach;
    QDate ankunftDanach;
};

class DatumskorrekturTest : public ::testing::TestWithParam<KorrekturFall> {};

TEST_P(DatumskorrekturTest, HaeltAbfahrtVorAnkunft)
{
    const KorrekturFall& f = GetParam();
    EXPECT_EQ(filtergrenzen::abfahrtKorrigiert(f.abfahrt, f.ankunft, f.andereGewaehlt), f.abfahrtDanach);
    EXPECT_EQ(filtergrenzen::ankunftKorrigiert(f.ankunft, f.abfahrt, f.andereGewaehlt), f.ankunftDanach);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, DatumskorrekturTest,
    ::testing::Values(
        // Departure after the chosen arrival: the departure falls back, the arrival moves up.
        KorrekturFall{QDate(2004, 6, 10), QDate(2004, 6, 1), true, QDate(2004, 6, 1), QDate(2004, 6, 10)},
        // The other date not chosen: nothing moves.
        KorrekturFall{QDate(2004, 6, 10), QDate(2004, 6, 1), false, QDate(2004, 6, 10), QDate(2004, 6, 1)},
        // In order: nothing moves.
        KorrekturFall{QDate(2004, 6, 1), QDate(2004, 6, 10), true, QDate(2004, 6, 1), QDate(2004, 6, 10)},
        KorrekturFall{QDate(2004, 6, 1), QDate(2004, 6, 1), true, QDate(2004, 6, 1), QDate(2004, 6, 1)}));
