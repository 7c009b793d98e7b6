#include "app/THauptform.h"
#include "app/Varno.h"
#include "common/Clock.h"
#include "db/Sitzung.h"
#include "entry/ui/TF_Eingabe.h"
#include "support/TestDatabase.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(EingabeAusHauptfenster, FahrtenErfassenOeffnetEingabeUndSperrtFahrzeug)
{
    TestDatabase db;
    Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0)));
    Varno varno{db.file()};
    varno.starten(false);
    THauptform* haupt = varno.hauptform();
    ASSERT_TRUE(QTest::qWaitForWindowActive(haupt));

    haupt->RBerfassen->click();
    haupt->BtOK->click();
    TF_Eingabe* eingabe = varno.eingabe();
    ASSERT_TRUE(eingabe->isVisible());
    EXPECT_EQ(eingabe->windowTitle(), QStringLiteral("Fahrtenbuch für Musterfahrzeug"));
    EXPECT_FALSE(haupt->CbKFZ->isEnabled());
    EXPECT_TRUE(varno.sitzung().fahrtenerfassungLaeuft());
    // Like the vehicle and driver windows it stays above the program's other windows.
    EXPECT_TRUE(eingabe->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(eingabe->isWindow());

    eingabe->btSchliessenSpeichern->click(); // "Schließen"
    EXPECT_FALSE(eingabe->isVisible());
    EXPECT_TRUE(haupt->CbKFZ->isEnabled());
    EXPECT_FALSE(varno.sitzung().fahrtenerfassungLaeuft());
    haupt->hide();
    Clock::reset();
}
