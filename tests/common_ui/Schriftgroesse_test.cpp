#include "common_ui/Schriftgroesse.h"

#include <gtest/gtest.h>

TEST(Schriftgroesse, PunktschriftWirdUmDenFaktorGroesser)
{
    QFont schrift;
    schrift.setPointSizeF(10.0);
    const QFont groesser = schriftgroesse(schrift, 1.3);
    EXPECT_DOUBLE_EQ(groesser.pointSizeF(), 13.0);
}

TEST(Schriftgroesse, PixelschriftWirdUmDenFaktorKleiner)
{
    QFont schrift;
    schrift.setPixelSize(20);
    const QFont kleiner = schriftgroesse(schrift, 0.85);
    EXPECT_EQ(kleiner.pixelSize(), 17);
}

TEST(Schriftgroesse, WinzigePixelschriftBleibtSichtbar)
{
    QFont schrift;
    schrift.setPixelSize(1);
    EXPECT_EQ(schriftgroesse(schrift, 0.5).pixelSize(), 1);
}
