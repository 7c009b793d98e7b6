#include "audit/Nachbarpruefung.h"

#include <gtest/gtest.h>

using nachbarpruefung::Lage;
using nachbarpruefung::Nachbarn;

namespace {

QDateTime um(int tag, int stunde, int minute = 0)
{
    return {QDate(2006, 3, tag), QTime(stunde, minute)};
}

// The corrected trip on 2 March between one on 1 March and one on 3 March, each beginning where
// the one before ended.
const Lage davor{1, um(1, 8), um(1, 9), 900, 1000};
const Lage alt{2, um(2, 8), um(2, 9), 1000, 1050};
const Lage danach{3, um(3, 8), um(3, 9), 1050, 1090};

struct Fall {
    const char* name;
    Lage neu;
    Nachbarn nachbarn;
    const char* ablehnung;      // "" when none
    std::optional<int> folgeKm; // the following trip's new departure reading
};

class Nachbarpruefung : public ::testing::TestWithParam<Fall> {};

Lage mit(std::function<void(Lage&)> aendern)
{
    Lage neu = alt;
    aendern(neu);
    return neu;
}

} // namespace

TEST_P(Nachbarpruefung, Befund)
{
    const auto befund = nachbarpruefung::pruefen(alt, GetParam().neu, GetParam().nachbarn);
    EXPECT_EQ(befund.ablehnung.value_or(QString()), QString::fromUtf8(GetParam().ablehnung));
    EXPECT_EQ(befund.folgefahrt ? std::optional<int>(befund.folgefahrt->kmAb) : std::nullopt, GetParam().folgeKm);
    if (befund.folgefahrt) {
        EXPECT_EQ(befund.folgefahrt->id, danach.id);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Nachbarpruefung,
    ::testing::Values(
        Fall{"UnveraendertBleibtAuchInUnordnung", alt, {Lage{1, um(2, 8, 30), um(2, 10), 1100, 1200}, danach}, "",
             std::nullopt},
        Fall{"NurDieAnkunftszeit", mit([](Lage& l) { l.anDat = um(2, 9, 30); }), {davor, danach}, "", std::nullopt},
        Fall{"BeginntVorDerAnkunftDavor", mit([](Lage& l) { l.abDat = um(1, 8, 30); }), {davor, danach},
             "sie beginnt vor der Ankunft der Fahrt davor (01.03.2006 09:00).", std::nullopt},
        Fall{"KmRueckwaertsGegenDavor", mit([](Lage& l) { l.kmAb = 990; }), {davor, danach},
             "ihr km-Stand bei Abfahrt (990) liegt unter dem km-Stand bei Ankunft der Fahrt davor (1000).",
             std::nullopt},
        Fall{"EndetNachDerFolgendenAbfahrt", mit([](Lage& l) { l.anDat = um(3, 8, 15); }), {davor, danach},
             "sie endet nach der Abfahrt der folgenden Fahrt (03.03.2006 08:00).", std::nullopt},
        Fall{"KmUeberDerFolgendenAnkunft", mit([](Lage& l) { l.kmAn = 1095; }), {davor, danach},
             "ihr km-Stand bei Ankunft (1095) liegt über dem km-Stand bei Ankunft der folgenden Fahrt (1090).",
             std::nullopt},
        Fall{"TippfehlerNachUnten", mit([](Lage& l) { l.kmAn = 1045; }), {davor, danach}, "", 1045},
        Fall{"TippfehlerNachOben", mit([](Lage& l) { l.kmAn = 1060; }), {davor, danach}, "", 1060},
        Fall{"LueckeDanachBleibt", mit([](Lage& l) { l.kmAn = 1045; }),
             {davor, Lage{3, um(3, 8), um(3, 9), 1070, 1090}}, "", std::nullopt},
        Fall{"LueckeDanachWuerdeRueckwaerts", mit([](Lage& l) { l.kmAn = 1080; }),
             {davor, Lage{3, um(3, 8), um(3, 9), 1070, 1090}}, "", 1080},
        Fall{"OhneNachbarn", mit([](Lage& l) { l.kmAn = 5000; }), {}, "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

namespace {

// A forgotten trip on 2 March between the trips of 1 and 3 March, which left a gap of 50 km.
const Lage luecke{3, um(3, 8), um(3, 9), 1050, 1090};
const Lage nachgetragen{0, um(2, 8), um(2, 9), 1000, 1050};

class Einordnung : public ::testing::TestWithParam<Fall> {};

Lage nachgetragenMit(std::function<void(Lage&)> aendern)
{
    Lage neu = nachgetragen;
    aendern(neu);
    return neu;
}

} // namespace

TEST_P(Einordnung, Befund)
{
    const auto befund = nachbarpruefung::einordnen(GetParam().neu, GetParam().nachbarn);
    EXPECT_EQ(befund.ablehnung.value_or(QString()), QString::fromUtf8(GetParam().ablehnung));
    EXPECT_EQ(befund.folgefahrt ? std::optional<int>(befund.folgefahrt->kmAb) : std::nullopt, GetParam().folgeKm);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Einordnung,
    ::testing::Values(
        Fall{"InDieLuecke", nachgetragen, {davor, luecke}, "", std::nullopt},
        Fall{"VorDerErsten", nachgetragenMit([](Lage& l) { l.kmAn = 1040; }), {std::nullopt, luecke}, "",
             std::nullopt},
        Fall{"NachDerLetzten", nachgetragen, {davor, std::nullopt}, "", std::nullopt},
        Fall{"OhneLueckeMussDieFolgendeFolgen", nachgetragenMit([](Lage& l) { l.kmAn = 1030; }),
             {davor, Lage{3, um(3, 8), um(3, 9), 1000, 1090}}, "", 1030},
        Fall{"UeberschneidetDieFahrtDavor", nachgetragenMit([](Lage& l) { l.abDat = um(1, 8, 30); }), {davor, luecke},
             "sie beginnt vor der Ankunft der Fahrt davor (01.03.2006 09:00).", std::nullopt},
        Fall{"UeberschneidetDieFolgende", nachgetragenMit([](Lage& l) { l.anDat = um(3, 8, 1); }), {davor, luecke},
             "sie endet nach der Abfahrt der folgenden Fahrt (03.03.2006 08:00).", std::nullopt},
        Fall{"KmRueckwaerts", nachgetragenMit([](Lage& l) { l.kmAb = 999; }), {davor, luecke},
             "ihr km-Stand bei Abfahrt (999) liegt unter dem km-Stand bei Ankunft der Fahrt davor (1000).",
             std::nullopt},
        Fall{"KmUeberDerFolgendenAnkunft", nachgetragenMit([](Lage& l) { l.kmAn = 1091; }), {davor, luecke},
             "ihr km-Stand bei Ankunft (1091) liegt über dem km-Stand bei Ankunft der folgenden Fahrt (1090).",
             std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });
