#include "entry/Rueckfahrt.h"

#include <gtest/gtest.h>

namespace {

const QDate heute(2006, 6, 1);

Logbuchzeile zeile(int kmAn, int art, const QDateTime& an = QDateTime(QDate(2006, 3, 12), QTime(8, 0)))
{
    Logbuchzeile z;
    z.anDat = an;
    z.kmAn = kmAn;
    z.art = art;
    z.kategorie = 3;
    z.fahrer = 4;
    return z;
}

} // namespace

TEST(Rueckfahrt, GleicheStreckeZurueckAmTagDerAnkunft)
{
    const auto zurueck = rueckfahrt({zeile(12345, 4), zeile(12300, 4)}, heute);
    ASSERT_TRUE(zurueck);
    EXPECT_EQ(zurueck->km, 45);
    EXPECT_EQ(zurueck->kmStand, 12390);
    EXPECT_EQ(zurueck->kategorie, 3);
    EXPECT_EQ(zurueck->fahrer, 4);
    EXPECT_EQ(zurueck->art, 3);
    EXPECT_EQ(zurueck->datum, QDate(2006, 3, 12));
}

TEST(Rueckfahrt, OhneAnkunftszeitHeute)
{
    const auto zurueck =
        rueckfahrt({zeile(12345, 2, QDateTime(QDate(2002, 1, 1), QTime(0, 0))), zeile(12300, 4)}, heute);
    ASSERT_TRUE(zurueck);
    EXPECT_EQ(zurueck->datum, heute);
}

TEST(Rueckfahrt, KeineOhneVorigeFahrtOderNachDemStartdatensatz)
{
    EXPECT_FALSE(rueckfahrt({}, heute));
    EXPECT_FALSE(rueckfahrt({zeile(12345, 4)}, heute));
    EXPECT_FALSE(rueckfahrt({zeile(12300, 99), zeile(12000, 4)}, heute));
}
