#include "common_ui/Kontrast.h"

#include <gtest/gtest.h>

struct Farbpaar {
    const char* name;
    QColor a;
    QColor b;
    double verhaeltnis;
};

class KontrastVerhaeltnis : public ::testing::TestWithParam<Farbpaar> {};

TEST_P(KontrastVerhaeltnis, WieWcagEsRechnet)
{
    EXPECT_NEAR(kontrast::verhaeltnis(GetParam().a, GetParam().b), GetParam().verhaeltnis, 0.01);
    EXPECT_NEAR(kontrast::verhaeltnis(GetParam().b, GetParam().a), GetParam().verhaeltnis, 0.01);
}

// Reference values of the WCAG contrast checkers.
INSTANTIATE_TEST_SUITE_P(Paare, KontrastVerhaeltnis,
                         ::testing::Values(Farbpaar{"SchwarzAufWeiss", Qt::black, Qt::white, 21.0},
                                           Farbpaar{"Gleich", QColor(120, 40, 200), QColor(120, 40, 200), 1.0},
                                           Farbpaar{"RotAufWeiss", Qt::red, Qt::white, 3.998},
                                           Farbpaar{"GrauAufWeiss", QColor(0x76, 0x76, 0x76), Qt::white, 4.54},
                                           Farbpaar{"WeissAufGelb", Qt::white, Qt::yellow, 1.07}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Lesefall {
    const char* name;
    QColor wunsch;
    QColor gegen;
};

class LesbarGegen : public ::testing::TestWithParam<Lesefall> {};

TEST_P(LesbarGegen, ReichtAAUndBehaeltDenFarbton)
{
    const QColor farbe = kontrast::lesbarGegen(GetParam().wunsch, GetParam().gegen);
    EXPECT_GE(kontrast::verhaeltnis(farbe, GetParam().gegen), kontrast::lesbar) << farbe.name().toStdString();
    if (GetParam().wunsch.hsvSaturation() > 0 && farbe.hsvSaturation() > 0)
        EXPECT_NEAR(farbe.hslHue(), GetParam().wunsch.hslHue(), 2) << farbe.name().toStdString();
}

TEST_P(LesbarGegen, BewegtSichNurSoWeitWieNoetig)
{
    const QColor farbe = kontrast::lesbarGegen(GetParam().wunsch, GetParam().gegen);
    const QColor hsl = farbe.toHsl();
    const bool dunkler = hsl.lightnessF() < GetParam().wunsch.toHsl().lightnessF();
    const QColor einSchrittZurueck = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(),
                                                      hsl.lightnessF() + (dunkler ? 0.03f : -0.03f));
    EXPECT_LT(kontrast::verhaeltnis(einSchrittZurueck, GetParam().gegen), kontrast::lesbar)
        << farbe.name().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Wuensche, LesbarGegen,
                         ::testing::Values(Lesefall{"RotAufHellemKnopf", Qt::red, QColor(239, 239, 239)},
                                           Lesefall{"RotAufDunklemKnopf", Qt::red, QColor(49, 54, 59)},
                                           Lesefall{"GelbUnterWeisserSchrift", Qt::yellow, QColor(252, 252, 252)},
                                           Lesefall{"GrauAufWeiss", Qt::gray, Qt::white},
                                           Lesefall{"WeissAufWeiss", Qt::white, Qt::white},
                                           Lesefall{"SchwarzAufSchwarz", Qt::black, Qt::black}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LesbarGegen, LaesstLesbareFarbenWieSieSind)
{
    EXPECT_EQ(kontrast::lesbarGegen(Qt::yellow, Qt::black), QColor(Qt::yellow));
    EXPECT_EQ(kontrast::lesbarGegen(QColor(255, 200, 200), QColor(0, 0, 0)), QColor(255, 200, 200));
}
