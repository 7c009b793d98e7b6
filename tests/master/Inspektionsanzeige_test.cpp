#include "master/Inspektionsanzeige.h"

#include <gtest/gtest.h>

namespace {

const QDate heute(2006, 6, 1);

struct AnzeigeFall {
    const char* name;
    int inspKm;
    int kmStand;
    const char* inspDat;
    Inspektionsanzeige erwartet;
};

class Anzeige : public ::testing::TestWithParam<AnzeigeFall> {};

} // namespace

TEST_P(Anzeige, RestUndWarnung)
{
    const auto& fall = GetParam();
    KFZEintrag fahrzeug;
    fahrzeug.InspKM = fall.inspKm;
    fahrzeug.KmStand = fall.kmStand;
    fahrzeug.InspDat = QString::fromLatin1(fall.inspDat);
    const Inspektionsanzeige anzeige = inspektionsanzeige(fahrzeug, heute);
    EXPECT_EQ(anzeige.restKm, fall.erwartet.restKm);
    EXPECT_EQ(anzeige.kmWarnung, fall.erwartet.kmWarnung);
    EXPECT_EQ(anzeige.datum, fall.erwartet.datum);
    EXPECT_EQ(anzeige.datumWarnung, fall.erwartet.datumWarnung);
}

INSTANTIATE_TEST_SUITE_P(
    Inspektionen, Anzeige,
    ::testing::Values(AnzeigeFall{"Keine", 0, 12000, "01.01.2002", {}},
                      AnzeigeFall{"KmReicht", 20000, 19000, "01.01.2002", {QStringLiteral("1000"), false, {}, false}},
                      AnzeigeFall{"KmKnapp", 20000, 19001, "01.01.2002", {QStringLiteral("999"), true, {}, false}},
                      AnzeigeFall{"KmUeberschritten", 20000, 20500, "01.01.2002",
                                  {QStringLiteral("-500"), true, {}, false}},
                      AnzeigeFall{"DatumFern", 0, 0, "01.07.2006", {{}, false, QStringLiteral("01.07.2006"), false}},
                      AnzeigeFall{"DatumKnapp", 0, 0, "30.06.2006", {{}, false, QStringLiteral("30.06.2006"), true}},
                      AnzeigeFall{"DatumVorbei", 0, 0, "01.05.2006", {{}, false, QStringLiteral("01.05.2006"), true}},
                      AnzeigeFall{"Beides", 15000, 14500, "10.06.2006",
                                  {QStringLiteral("500"), true, QStringLiteral("10.06.2006"), true}}),
    [](const auto& info) { return std::string(info.param.name); });
