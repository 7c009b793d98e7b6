#include "evaluation/KilometerJeArt.h"

#include <gtest/gtest.h>

TEST(KilometerJeArt, ZaehltJedeFahrtZurArtIhresKuerzelsUndAndereNirgends)
{
    KilometerJeArt km;
    km.hinzufuegen(u"U", 10);
    km.hinzufuegen(u"P", 20);
    km.hinzufuegen(u"A", 30);
    km.hinzufuegen(u"G", 40);
    km.hinzufuegen(u"G", 5);
    // The start record, a lower-case or an empty short form count nowhere.
    km.hinzufuegen(u"n", 500);
    km.hinzufuegen(u"g", 500);
    km.hinzufuegen(u"", 500);
    EXPECT_EQ(km, (KilometerJeArt{10, 20, 30, 45}));
    EXPECT_EQ(km.gesamt(), 105);
}
