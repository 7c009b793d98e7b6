#include "card/Plausibilitaet.h"

#include <gtest/gtest.h>

namespace {

std::optional<QDateTime> um(int tag, int stunde, int minute, int sekunde = 0)
{
    return QDateTime(QDate(2005, 3, tag), QTime(stunde, minute, sekunde), Qt::UTC);
}

ImportFahrt fahrt(std::optional<QDateTime> start, std::optional<QDateTime> ziel, int km, const QString& ort = "Werk 2",
                  const QString& art = "G")
{
    return ImportFahrt{.startzeit = start, .startKm = 45210, .zielzeit = ziel, .zielKm = 45210 + km,
                       .kfzSchluessel = "7 - HH-AB 123", .art = art, .ort = ort};
}

struct Fall {
    const char* name;
    ImportFahrt fahrt;
    Pruefbefund erwartet;
};

class EinzelpruefungTest : public ::testing::TestWithParam<Fall> {};

TEST_P(EinzelpruefungTest, BefundOhneVorigeFahrt)
{
    EXPECT_EQ(pruefeFahrt(GetParam().fahrt, nullptr), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Regeln, EinzelpruefungTest,
    ::testing::Values(
        Fall{"Durchschnitt53kmh", fahrt(um(14, 8, 15, 30), um(14, 8, 52, 10), 32), Pruefbefund::Gruen},
        Fall{"Durchschnitt225kmh", fahrt(um(14, 8, 0), um(14, 8, 40), 150), Pruefbefund::Rot},
        Fall{"Genau200kmh", fahrt(um(14, 8, 0), um(14, 9, 0), 200), Pruefbefund::Gruen},
        Fall{"UeberEinenTag", fahrt(um(14, 8, 0), um(15, 8, 30), 10), Pruefbefund::Rot},
        Fall{"GenauEinTag", fahrt(um(14, 8, 0), um(15, 8, 0), 0), Pruefbefund::Gruen},
        // The whole day does not count for the speed: 100 km in one day and one minute is fast.
        Fall{"TagPlusMinuteMitStrecke", fahrt(um(14, 8, 0), um(15, 8, 1), 100), Pruefbefund::Rot},
        Fall{"VierzigSekundenMitStrecke", fahrt(um(14, 10, 0, 0), um(14, 10, 0, 40), 1),
             Pruefbefund::Umwandlungsfehler},
        Fall{"VierzigSekundenOhneStrecke", fahrt(um(14, 10, 0, 0), um(14, 10, 0, 40), 0), Pruefbefund::Gruen},
        Fall{"OhneStartzeit", fahrt(std::nullopt, um(14, 10, 0), 5), Pruefbefund::Umwandlungsfehler},
        Fall{"OhneZielzeitNieMarkiert", fahrt(um(14, 8, 0), std::nullopt, 900), Pruefbefund::Gruen},
        Fall{"ZielVorStart", fahrt(um(14, 9, 0), um(14, 8, 0), 30), Pruefbefund::Gruen}),
    [](const auto& info) { return std::string(info.param.name); });

struct NachbarFall {
    const char* name;
    ImportFahrt vorige;
    ImportFahrt fahrt;
    Pruefbefund erwartet;
};

class NachbarpruefungTest : public ::testing::TestWithParam<NachbarFall> {};

TEST_P(NachbarpruefungTest, OhneStreckeAmSelbenOrt)
{
    EXPECT_EQ(pruefeFahrt(GetParam().fahrt, &GetParam().vorige), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Regel7, NachbarpruefungTest,
    ::testing::Values(
        NachbarFall{"ZwischenstoppGleichOrt", fahrt(um(14, 8, 0), um(14, 8, 10), 0, "Werk 2 - Zwischenstopp"),
                    fahrt(um(14, 9, 0), um(14, 9, 10), 0, "Werk 2"), Pruefbefund::Rot},
        NachbarFall{"AndereArt", fahrt(um(14, 8, 0), um(14, 8, 10), 0, "Werk 2", "P"),
                    fahrt(um(14, 9, 0), um(14, 9, 10), 0, "Werk 2"), Pruefbefund::Gruen},
        NachbarFall{"AndererOrt", fahrt(um(14, 8, 0), um(14, 8, 10), 0, "Lager"),
                    fahrt(um(14, 9, 0), um(14, 9, 10), 0, "Werk 2"), Pruefbefund::Gruen},
        NachbarFall{"MitStrecke", fahrt(um(14, 8, 0), um(14, 8, 10), 0, "Werk 2"),
                    fahrt(um(14, 9, 0), um(14, 9, 10), 3, "Werk 2"), Pruefbefund::Gruen}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FahrtenpruefungTest, ErsteFahrtNurRotWennAuchIhreVorigeDieRegelErfuellt)
{
    const std::vector<ImportFahrt> fahrten = {fahrt(um(14, 8, 0), um(14, 8, 10), 0, "Werk 2 - Zwischenstopp"),
                                              fahrt(um(14, 9, 0), um(14, 9, 10), 0, "Werk 2")};
    EXPECT_EQ(pruefeFahrten(fahrten).rot, (std::vector<bool>{false, true}));
}

TEST(FahrtenpruefungTest, UmwandlungsfehlerNenntDieZeileUndLaesstSieGruen)
{
    const std::vector<ImportFahrt> fahrten = {fahrt(um(14, 8, 0), um(14, 8, 30), 10),
                                              fahrt(um(14, 10, 0, 0), um(14, 10, 0, 40), 1),
                                              fahrt(std::nullopt, um(14, 11, 0), 1, "Hafen")};
    const Pruefung pruefung = pruefeFahrten(fahrten);
    EXPECT_EQ(pruefung.fehlerzeilen, (std::vector<int>{2, 3}));
    EXPECT_EQ(pruefung.rot, (std::vector<bool>(3, false)));
}

TEST(FahrtenpruefungTest, SchonGespeicherteFahrtWirdRot)
{
    const std::vector<ImportFahrt> fahrten = {fahrt(um(14, 8, 0), um(14, 8, 30), 10, "Hafen"),
                                              fahrt(um(14, 9, 0), um(14, 9, 30), 10, "Lager")};
    const Pruefung pruefung =
        pruefeFahrten(fahrten, [](const ImportFahrt& f) { return f.ort == QStringLiteral("Lager"); });
    EXPECT_EQ(pruefung.rot, (std::vector<bool>{false, true}));
}

} // namespace
