#include "card/EinlesungAufbau.h"
#include "support/CardFileBuilder.h"

#include <gtest/gtest.h>

using cardfile::CardRecord;

namespace {

CardRecord fahrt(int fahrzeug, const std::string& ort, const std::string& art = "G", int minute = 0)
{
    return {.startTime = at(2005, 3, 14, 8, minute),
            .startKm = 100 + minute,
            .endTime = at(2005, 3, 14, 9, minute),
            .endKm = 120 + minute,
            .vehicleNumber = fahrzeug,
            .kind = art,
            .place = ort,
            .reason = "Grund " + ort,
            .category = "Kat " + ort};
}

CardRecord merkpunkt(int fahrzeug)
{
    return {.startTime = at(2005, 3, 14, 12), .startKm = 500, .vehicleNumber = fahrzeug, .kind = "M"};
}

QString schluessel(const CardRecord& record)
{
    return QStringLiteral("%1 - Wagen %1").arg(record.vehicleNumber);
}

struct KetteFall {
    const char* name;
    std::vector<CardRecord> records;
    std::vector<std::vector<QString>> erwartet; // Ort, Art, Grund per trip
};

class FortsetzungTest : public ::testing::TestWithParam<KetteFall> {};

TEST_P(FortsetzungTest, OrteUndArtenDerFahrten)
{
    const Einlesung einlesung = baueEinlesung(GetParam().records, schluessel);
    std::vector<std::vector<QString>> ist;
    for (const ImportFahrt& f : einlesung.fahrten)
        ist.push_back({f.ort, f.art, f.grund});
    EXPECT_EQ(ist, GetParam().erwartet);
    EXPECT_EQ(einlesung.bloecke, GetParam().records.size());
}

INSTANTIATE_TEST_SUITE_P(
    Fortsetzungen, FortsetzungTest,
    ::testing::Values(
        KetteFall{"ZweiteSetztErsteFort",
                  {fahrt(7, "Werk 2"), fahrt(7, "Hafen", "F")},
                  {{"Werk 2 - Zwischenstopp", "G", "Grund Werk 2"}, {"Werk 2", "G", "Grund Werk 2"}}},
        KetteFall{"KetteAusDrei",
                  {fahrt(7, "Werk 2"), fahrt(7, "x", "F"), fahrt(7, "y", "F")},
                  {{"Werk 2 - Zwischenstopp", "G", "Grund Werk 2"},
                   {"Werk 2 - Zwischenstopp", "G", "Grund Werk 2"},
                   {"Werk 2", "G", "Grund Werk 2"}}},
        KetteFall{"MerkpunkteUnterbrechenNicht",
                  {fahrt(7, "Werk 2"), merkpunkt(7), fahrt(7, "x", "F"), merkpunkt(3), fahrt(7, "y", "F")},
                  {{"Werk 2 - Zwischenstopp", "G", "Grund Werk 2"},
                   {"Werk 2 - Zwischenstopp", "G", "Grund Werk 2"},
                   {"Werk 2", "G", "Grund Werk 2"}}},
        KetteFall{"FAlsErsteFahrt", {fahrt(7, "Hafen", "F")}, {{"Hafen", "", "Grund Hafen"}}},
        KetteFall{"FNachAnderemFahrzeug",
                  {fahrt(3, "Werk 2"), fahrt(7, "Hafen", "F")},
                  {{"Werk 2", "G", "Grund Werk 2"}, {"Hafen", "", "Grund Hafen"}}},
        KetteFall{"LeererOrtBekommtKeinenZwischenstopp",
                  {fahrt(7, ""), fahrt(7, "Hafen", "F")},
                  {{"", "G", "Grund "}, {"", "G", "Grund "}}},
        KetteFall{"OhneArtIstU", {fahrt(7, "Werk 2", "")}, {{"Werk 2", "U", "Grund Werk 2"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EinlesungTest, MerkpunkteMitZeitKilometerUndFahrzeug)
{
    const Einlesung einlesung = baueEinlesung({fahrt(7, "Werk 2"), merkpunkt(3)}, schluessel);
    ASSERT_EQ(einlesung.merkpunkte.size(), 1u);
    const ImportMerkpunkt& m = einlesung.merkpunkte[0];
    EXPECT_EQ(zelltext(m, SpalteZeit), QStringLiteral("14.03.2005 12:00:00"));
    EXPECT_EQ(zelltext(m, SpalteKilometer), QStringLiteral("500"));
    EXPECT_EQ(zelltext(m, SpalteMerkpunktKfz), QStringLiteral("3 - Wagen 3"));
    EXPECT_EQ(zelltext(m, SpalteBemerkung), QString());
}

TEST(EinlesungTest, ZelltexteEinerFahrt)
{
    CardRecord r{.startTime = at(2005, 3, 14, 8, 15, 30),
                 .startKm = 45210,
                 .endTime = std::nullopt,
                 .endKm = 0,
                 .vehicleNumber = 7,
                 .status = 1,
                 .kind = "P",
                 .place = "Lager Nord",
                 .reason = "Lieferung",
                 .category = "Dienstfahrt"};
    const Einlesung einlesung = baueEinlesung({r}, schluessel);
    ASSERT_EQ(einlesung.fahrten.size(), 1u);
    QStringList texte;
    for (int spalte = 0; spalte < FahrtSpalten; ++spalte)
        texte << zelltext(einlesung.fahrten[0], spalte);
    EXPECT_EQ(texte, (QStringList{"14.03.2005 08:15:30", "45210", " ", "0", "7 - Wagen 7", "", "P", "Lager Nord",
                                  "Lieferung", "Dienstfahrt", ""}));
    r.status = 0;
    EXPECT_EQ(zelltext(baueEinlesung({r}, schluessel).fahrten[0], SpalteCF), QStringLiteral("OK"));
}

TEST(EinlesungTest, ZeittexteBehaltenSekundenUndMitternachtIstNurDasDatum)
{
    EXPECT_EQ(importZeittext(importZeit(at(2005, 3, 14, 8, 15, 30))), QStringLiteral("14.03.2005 08:15:30"));
    EXPECT_EQ(importZeittext(importZeit(at(2005, 3, 14))), QStringLiteral("14.03.2005"));
    EXPECT_EQ(importZeittext(std::nullopt), QStringLiteral(" "));
    // 27.03.2005 02:30 does not exist in German local time; the recorder's clock still shows it.
    EXPECT_EQ(importZeittext(importZeit(at(2005, 3, 27, 2, 30))), QStringLiteral("27.03.2005 02:30:00"));
}

class ImportZeitTest : public ::testing::TestWithParam<cardfile::RecorderTime> {};

TEST_P(ImportZeitTest, IstDatumUndUhrzeitInUtc)
{
    const cardfile::RecorderTime t = GetParam();
    const QDateTime erwartet(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second), Qt::UTC);
    const std::optional<QDateTime> zeit = importZeit(t);
    ASSERT_TRUE(zeit);
    EXPECT_EQ(*zeit, erwartet);
    EXPECT_EQ(zeit->timeSpec(), Qt::UTC);
    EXPECT_EQ(zeit->date(), erwartet.date());
    EXPECT_EQ(zeit->time(), erwartet.time());
}

INSTANTIATE_TEST_SUITE_P(Zeiten, ImportZeitTest,
                         ::testing::Values(at(1980, 1, 1, 0, 0, 1), at(2004, 2, 29, 23, 59, 59), at(2005, 3, 27, 2, 30),
                                           at(2005, 10, 30, 2, 30), at(2100, 3, 1), at(2116, 2, 7, 6, 28, 15)));

TEST(EinlesungTest, FortschrittSteigtBisHundert)
{
    std::vector<CardRecord> records(7, fahrt(7, "Werk 2"));
    std::vector<int> gemeldet;
    baueEinlesung(records, schluessel, [&gemeldet](int p) { gemeldet.push_back(p); });
    ASSERT_FALSE(gemeldet.empty());
    EXPECT_TRUE(std::is_sorted(gemeldet.begin(), gemeldet.end()));
    EXPECT_EQ(gemeldet.back(), 100);
}

} // namespace
