#include "evaluation/Dauerformat.h"
#include "evaluation/Zeitpunkt.h"

#include <gtest/gtest.h>

struct DauerFall {
    zeitpunkt::Sekunden sekunden;
    const char* lang;
    const char* uhr;
    const char* tage;
    const char* stunden;
};

class DauerformatTest : public ::testing::TestWithParam<DauerFall> {};

TEST_P(DauerformatTest, SchreibtDieDreiFormen)
{
    const DauerFall& fall = GetParam();
    EXPECT_EQ(dauer::langform(fall.sekunden), QString::fromUtf8(fall.lang));
    EXPECT_EQ(dauer::uhrform(fall.sekunden), QString::fromUtf8(fall.uhr));
    EXPECT_EQ(dauer::tagessumme(fall.sekunden), QString::fromUtf8(fall.tage));
    EXPECT_EQ(dauer::stunden(fall.sekunden), QString::fromUtf8(fall.stunden));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, DauerformatTest,
    ::testing::Values(DauerFall{0, "0d 00h 00min", "00:00", "0 Tag(e) 00:00", "00:00"},
                      DauerFall{2 * 3600, "0d 02h 00min", "02:00", "0 Tag(e) 02:00", "02:00"},
                      DauerFall{86400 + 4 * 3600 + 5 * 60, "1d 04h 05min", "04:05", "1 Tag(e) 04:05", "28:05"},
                      // Seconds are dropped, not rounded.
                      DauerFall{59 * 60 + 59, "0d 00h 59min", "00:59", "0 Tag(e) 00:59", "00:59"},
                      // A full day shows nothing in the clock form; the day sum and the hours keep it.
                      DauerFall{86400, "1d 00h 00min", "00:00", "1 Tag(e) 00:00", "24:00"},
                      DauerFall{3 * 86400 + 23 * 3600 + 59 * 60, "3d 23h 59min", "23:59", "3 Tag(e) 23:59", "95:59"},
                      // Overlapping trips give a negative standing time; it keeps its sign.
                      DauerFall{-30 * 60, "-0d 00h 30min", "-00:30", "-0 Tag(e) 00:30", "-00:30"}));

struct IsoFall {
    const char* text;
    bool gueltig;
};

class ZeitpunktIsoTest : public ::testing::TestWithParam<IsoFall> {};

TEST_P(ZeitpunktIsoTest, LiestNurDieGespeicherteForm)
{
    const auto zeit = zeitpunkt::ausIso(QString::fromLatin1(GetParam().text));
    EXPECT_EQ(zeit.has_value(), GetParam().gueltig);
    if (zeit) {
        EXPECT_EQ(zeitpunkt::alsIso(*zeit), QString::fromLatin1(GetParam().text));
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, ZeitpunktIsoTest,
                         ::testing::Values(IsoFall{"2004-03-05 00:00:00", true}, IsoFall{"1899-12-30 23:59:59", true},
                                           IsoFall{"2024-02-29 12:30:45", true}, IsoFall{"", false},
                                           IsoFall{"2004-03-05", false}, IsoFall{"05.03.2004 00:00:00", false},
                                           IsoFall{"2004-13-05 00:00:00", false}, IsoFall{"2004-03-05 24:00:00", false},
                                           IsoFall{"2004-03-05T00:00:00", false}));

TEST(Zeitpunkt, RechnetAufDemKalenderOhneZeitumstellung)
{
    // The night of the change to summer time still has 24 hours between two midnights.
    const auto vorher = zeitpunkt::aus(QDate(2006, 3, 26));
    const auto nachher = zeitpunkt::aus(QDate(2006, 3, 27));
    EXPECT_EQ(nachher - vorher, zeitpunkt::sekundenJeTag);
    EXPECT_EQ(zeitpunkt::datum(zeitpunkt::aus(QDate(2005, 12, 24), 23, 59, 59)), QDate(2005, 12, 24));
    EXPECT_EQ(zeitpunkt::tag(vorher) + 1, zeitpunkt::tag(nachher));
}

TEST(Zeitpunkt, SchreibtDeutscheFormen)
{
    const auto zeit = zeitpunkt::aus(QDate(2005, 12, 24), 14, 5, 9);
    EXPECT_EQ(zeitpunkt::deutschMitZeit(zeit), QStringLiteral("24.12.2005 14:05:09"));
    EXPECT_EQ(zeitpunkt::uhrzeitMitSekunden(zeit), QStringLiteral("14:05:09"));
    EXPECT_EQ(zeitpunkt::uhrzeit(zeit), QStringLiteral("14:05"));
}

class ZeitpunktKalenderTest : public ::testing::TestWithParam<QDate> {};

// The date is computed by hand for speed; it must agree with Qt's calendar on every kind of day.
TEST_P(ZeitpunktKalenderTest, TagUndDeutscheFormStimmenMitQtUeberein)
{
    const QDate tag = GetParam();
    const auto zeit = zeitpunkt::aus(tag, 23, 59, 58);
    EXPECT_EQ(zeitpunkt::datum(zeit), tag);
    EXPECT_EQ(zeitpunkt::deutschMitZeit(zeit),
              tag.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" 23:59:58"));
}

INSTANTIATE_TEST_SUITE_P(Tage, ZeitpunktKalenderTest,
                         ::testing::Values(QDate(1970, 1, 1), QDate(1969, 12, 31), QDate(1899, 12, 30),
                                           QDate(2000, 2, 29), QDate(2000, 3, 1), QDate(2002, 1, 1), QDate(2024, 2, 29),
                                           QDate(2100, 2, 28), QDate(2100, 3, 1), QDate(9999, 12, 31)));
