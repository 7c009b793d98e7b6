#include "evaluation/Exportname.h"

#include <gtest/gtest.h>

struct NamensteilFall {
    const char* name;
    const char* text;
    const char* teil;
};

class NamensteilTest : public ::testing::TestWithParam<NamensteilFall> {};

TEST_P(NamensteilTest, NurBuchstabenZiffernBindestricheUndPunkte)
{
    EXPECT_EQ(exportname::namensteil(QString::fromUtf8(GetParam().text)), QString::fromUtf8(GetParam().teil));
}

INSTANTIATE_TEST_SUITE_P(Faelle, NamensteilTest,
                         ::testing::Values(NamensteilFall{"kennzeichen", "B-XY 1", "B-XY-1"},
                                           NamensteilFall{"mitName", "B-XY 1, Golf", "B-XY-1-Golf"},
                                           NamensteilFall{"umlaute", "Müller, Jörg", "Müller-Jörg"},
                                           NamensteilFall{"pfadzeichen", "../etc/passwd", "etc-passwd"},
                                           NamensteilFall{"anfuehrung", "\"Lager\" Nord", "Lager-Nord"},
                                           NamensteilFall{"nurZeichen", " /:* ", ""}, NamensteilFall{"leer", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Exportname, ZeitraumEinJahrOderVonBis)
{
    EXPECT_EQ(exportname::zeitraum(QDate(2025, 1, 1), QDate(2025, 12, 31)), QStringLiteral("2025"));
    EXPECT_EQ(exportname::zeitraum(QDate(2002, 1, 1), QDate(2025, 6, 1)), QStringLiteral("2002-2025"));
}

TEST(Exportname, DateinameLaesstLeereTeileAus)
{
    EXPECT_EQ(exportname::dateiname("Fahrten", "B-XY 1", "2025", "csv"), QStringLiteral("Fahrten_B-XY-1_2025.csv"));
    EXPECT_EQ(exportname::dateiname("Fahrzeuge", "", "2025", "csv"), QStringLiteral("Fahrzeuge_2025.csv"));
}

TEST(Exportname, EndungNurWennKeineDa)
{
    EXPECT_EQ(exportname::mitEndung("/tmp/fahrten", "csv"), QStringLiteral("/tmp/fahrten.csv"));
    EXPECT_EQ(exportname::mitEndung("/tmp/fahrten.txt", "csv"), QStringLiteral("/tmp/fahrten.txt"));
    EXPECT_EQ(exportname::mitEndung("/tmp/v1.0/fahrten", "csv"), QStringLiteral("/tmp/v1.0/fahrten.csv"));
}
