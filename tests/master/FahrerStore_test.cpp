#include "logbuch/kette/Kettenanhang.h"
#include "master/FahrerStore.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

// A corrected trip is one trip of its driver, with the corrected arrival as the last one.
TEST(FahrerStore, ZaehltJedeFahrtInIhrerAktuellenFassung)
{
    TestDatabase db;
    const int meier = build::fahrer(QStringLiteral("Meier"));
    const QDateTime ab(QDate(2006, 3, 1), QTime(8, 0));
    const int fahrt = build::fahrt({.kfz = 1,
                                    .ab = ab,
                                    .an = ab.addSecs(3600),
                                    .kmAb = 10000,
                                    .kmAn = 10050,
                                    .start = 1,
                                    .ziel = 1,
                                    .fahrer = meier});
    Kettentransaktion korrektur;
    korrektur.anhaengen(Fahrtenbucheintrag{.kfz = 1,
                                           .abDat = QStringLiteral("2006-03-01 08:00:00"),
                                           .anDat = QStringLiteral("2006-03-01 09:30:00"),
                                           .kmAb = 10000,
                                           .kmAn = 10050,
                                           .art = 4,
                                           .zweck = 1,
                                           .fahrer = meier,
                                           .ersetztId = fahrt,
                                           .grund = QStringLiteral("Ankunft vertippt")});
    korrektur.commit();

    const std::vector<FahrerStore::Fahrer> alle = FahrerStore::alle();
    const auto gefunden =
        std::find_if(alle.begin(), alle.end(), [meier](const FahrerStore::Fahrer& f) { return f.id == meier; });
    ASSERT_NE(gefunden, alle.end());
    EXPECT_EQ(gefunden->fahrten, 1);
    EXPECT_TRUE(gefunden->letzteAnkunft.contains(QStringLiteral("09:30"))) << gefunden->letzteAnkunft.toStdString();
}
