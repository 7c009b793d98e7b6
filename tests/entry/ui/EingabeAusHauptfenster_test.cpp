#include "app/THauptform.h"
#include "app/Varno.h"
#include "common/Clock.h"
#include "db/Sitzung.h"
#include "db/SqlStatement.h"
#include "entry/ui/TF_Eingabe.h"
#include "support/TestDatabase.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

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

namespace {

// What the window system sends when the user minimises a window or leaves its virtual desktop.
void systemEreignis(QWidget* fenster, QEvent::Type art)
{
    QEvent ereignis(art);
    QSpontaneKeyEvent::setSpontaneous(&ereignis);
    // sendEvent would clear the flag; the window system's path delivers it as it is.
    QCoreApplication::instance()->notify(fenster, &ereignis);
}

} // namespace

TEST(EingabeAusHauptfenster, MinimierteEingabeBehaeltIhrFahrzeug)
{
    TestDatabase db;
    Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0)));
    // Without "start with the last vehicle" every activation of the main window selects the first.
    const int anderes = build::fahrzeug({.kennzeichen = "A-AA 1"});
    SqlStatement("UPDATE T_Optionen SET lKFZ = 0").exec();
    Varno varno{db.file()};
    varno.starten(false);
    THauptform* haupt = varno.hauptform();
    ASSERT_TRUE(QTest::qWaitForWindowActive(haupt));
    const int muster = haupt->CbKFZ->findText(QStringLiteral("Musterfahrzeug"));
    haupt->CbKFZ->setCurrentIndex(muster);
    emit haupt->CbKFZ->activated(muster);
    ASSERT_EQ(varno.sitzung().aktuellesFahrzeug(), 1);

    haupt->RBerfassen->click();
    haupt->BtOK->click();
    TF_Eingabe* eingabe = varno.eingabe();
    ASSERT_TRUE(eingabe->isVisible());

    systemEreignis(eingabe, QEvent::Hide);
    EXPECT_FALSE(haupt->CbKFZ->isEnabled());
    EXPECT_TRUE(varno.sitzung().fahrtenerfassungLaeuft());
    systemEreignis(haupt, QEvent::WindowActivate);
    EXPECT_EQ(varno.sitzung().aktuellesFahrzeug(), 1) << "nicht " << anderes;
    EXPECT_EQ(haupt->CbKFZ->currentText(), QStringLiteral("Musterfahrzeug"));
    systemEreignis(eingabe, QEvent::Show);
    EXPECT_EQ(eingabe->windowTitle(), QStringLiteral("Fahrtenbuch für Musterfahrzeug"));

    // Only a real close gives the vehicle free.
    eingabe->close();
    EXPECT_FALSE(varno.sitzung().fahrtenerfassungLaeuft());
    EXPECT_TRUE(haupt->CbKFZ->isEnabled());
    haupt->hide();
    Clock::reset();
}
