#include "audit/Pruefstand.h"
#include "support/Dateieingriff.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

TEST(Pruefstand, SiehtDieAenderungEinesAnderenProgramms)
{
    TestDatabase db;
    const int fahrt = build::fahrt({.kfz = 1, .kmAb = 10000, .kmAn = 10042});
    Pruefstand stand;
    EXPECT_TRUE(stand.aktuell().unveraendert());
    dateieingriff::ausfuehren(db.file(), {QStringLiteral("UPDATE T_MIREL SET km_an = 10041 WHERE ID = %1").arg(fahrt)});
    EXPECT_EQ(stand.aktuell().betroffeneFahrten(), QSet<qlonglong>{fahrt});
    EXPECT_EQ(stand.vermerk(),
              QStringLiteral("Prüfwert %1 – Fahrtenbuch geprüft: verändert").arg(stand.aktuell().pruefwert()));
}

TEST(Pruefstand, NimmtEineNeueFahrtDesProgrammsAuf)
{
    TestDatabase db;
    Pruefstand stand;
    const qint64 vorher = stand.aktuell().eintraege();
    build::fahrt({.kfz = 1, .kmAb = 10000, .kmAn = 10042});
    EXPECT_EQ(stand.aktuell().eintraege(), vorher + 1);
    EXPECT_TRUE(stand.aktuell().unveraendert());
}
