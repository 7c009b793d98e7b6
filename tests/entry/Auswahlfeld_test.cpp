#include "entry/Auswahlfeld.h"

#include <gtest/gtest.h>

using namespace auswahlfeld;

namespace {
const QStringList orte = {QStringLiteral("Bahnhof"), QStringLiteral("Büro")};
}

struct VervollstaendigungFall {
    const char* text;
    int caret;
    const char* ergebnis;
    bool listeOffen;
};

class Vervollstaendigen : public ::testing::TestWithParam<VervollstaendigungFall> {};

TEST_P(Vervollstaendigen, ErsterPassenderEintragBeiGleichemCaret)
{
    const auto& fall = GetParam();
    const Vervollstaendigung v = vervollstaendigen(orte, QString::fromUtf8(fall.text), fall.caret);
    EXPECT_EQ(v.text, QString::fromUtf8(fall.ergebnis));
    EXPECT_EQ(v.caret, fall.caret);
    EXPECT_EQ(v.listeOffen, fall.listeOffen);
}

// "B" completes to Bahnhof; typing ü behind the caret makes the prefix Bü (Büro), x makes Bx. The
// prefix is compared as typed, so "Bu" does not reach Büro.
INSTANTIATE_TEST_SUITE_P(Faelle, Vervollstaendigen,
                         ::testing::Values(VervollstaendigungFall{"B", 1, "Bahnhof", true},
                                           VervollstaendigungFall{"Büahnhof", 2, "Büro", true},
                                           VervollstaendigungFall{"Buahnhof", 2, "Bu", false},
                                           VervollstaendigungFall{"Bxahnhof", 2, "Bx", false},
                                           VervollstaendigungFall{"b", 1, "b", false},
                                           VervollstaendigungFall{"ahnhof", 0, "", false},
                                           VervollstaendigungFall{"Bahnhofstraße", 13, "Bahnhofstraße", false}));

TEST(Auswahlfeld, OhneEintraegeBleibtDerText)
{
    EXPECT_EQ(vervollstaendigen({}, QStringLiteral("Xy"), 1).text, QStringLiteral("Xy"));
}

struct BereinigenFall {
    const char* text;
    const char* vorgabe;
    const char* ergebnis;
};

class Bereinigen : public ::testing::TestWithParam<BereinigenFall> {};

TEST_P(Bereinigen, EntferntNachlaufendeZeichenUndSetztVorgabe)
{
    EXPECT_EQ(bereinigen(QString::fromUtf8(GetParam().text), QString::fromUtf8(GetParam().vorgabe)),
              QString::fromUtf8(GetParam().ergebnis));
}

INSTANTIATE_TEST_SUITE_P(Faelle, Bereinigen,
                         ::testing::Values(BereinigenFall{"Kunde.", "keine Angabe", "Kunde"},
                                           BereinigenFall{"", "keine Angabe", "keine Angabe"},
                                           BereinigenFall{"", "Standard", "Standard"},
                                           BereinigenFall{"Gruß", "keine Angabe", "Gruß"},
                                           BereinigenFall{"Weiß, ", "keine Angabe", "Weiß"},
                                           BereinigenFall{"Köln-Süd", "keine Angabe", "Köln-Süd"},
                                           BereinigenFall{"?! ", "Standard", "Standard"},
                                           BereinigenFall{"Halle 7 ", "keine Angabe", "Halle 7"},
                                           BereinigenFall{"Ölberg", "keine Angabe", "Ölberg"},
                                           BereinigenFall{"Lager (Süd)", "keine Angabe", "Lager (Süd)"},
                                           BereinigenFall{"Halle [7].", "keine Angabe", "Halle [7]"},
                                           BereinigenFall{"Werk (Alt (Nord))", "keine Angabe", "Werk (Alt (Nord))"},
                                           BereinigenFall{"Kunde ()", "keine Angabe", "Kunde"}));
