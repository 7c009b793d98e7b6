#include "app/TF_ProgressBar.h"
#include "app/THauptform.h"
#include "app/Varno.h"
#include "card/ui/TF_Varno_V_OK.h"
#include "common/Clock.h"
#include "support/CardFileBuilder.h"
#include "support/TestDatabase.h"

#include <QAbstractItemModel>
#include <QRadioButton>
#include <QTableView>

#include <gtest/gtest.h>

namespace {

TEST(VarnoVOKVerdrahtungTest, AssistentOeffnetDenKartenimportDerMitDemFortschrittsfensterLiest)
{
    Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0)));
    TestDatabase db;
    build::fahrzeug({.kennzeichen = "HH-AB 123", .eingabeart = 1, .kfzId = 7});
    Varno varno{db.file()};
    THauptform* hauptform = varno.hauptform();
    hauptform->RBCFlesen->setChecked(true);

    hauptform->BtOKClick();

    TF_Varno_V_OK* kartenimport = varno.kartenimport();
    ASSERT_TRUE(kartenimport->isVisible());
    const QString pfad = db.directory() + "/daten.txt";
    CardFileBuilder()
        .record({.startTime = at(2005, 3, 14, 8), .startKm = 100, .endTime = at(2005, 3, 14, 9), .endKm = 120,
                 .vehicleNumber = 7})
        .freeBlock()
        .write(pfad);
    kartenimport->einlesen(pfad);
    EXPECT_EQ(kartenimport->StringGrid1->model()->rowCount(), 1);
    EXPECT_EQ(varno.fortschritt()->prozent(), 100);
    EXPECT_FALSE(varno.fortschritt()->isVisible());
    kartenimport->close();
}

} // namespace
