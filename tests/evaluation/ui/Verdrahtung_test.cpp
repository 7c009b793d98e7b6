#include "Auswertungsdaten.h"

#include "app/TF_ProgressBar.h"
#include "app/THauptform.h"
#include "app/Varno.h"
#include "common/Clock.h"
#include "logbuch/Sitzung.h"
#include "evaluation/ui/TF_AuswertungMirel.h"
#include "evaluation/ui/TF_Details.h"
#include "support/ui/Fensterhilfen.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class VerdrahtungTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0)));
        varno.starten(false);
        aktivieren(*varno.hauptform());
    }
    void TearDown() override
    {
        varno.auswertung()->close();
        Clock::reset();
    }

    TestDatabase db;
    Auswertungsdaten d;
    Varno varno{db.file()};
};

} // namespace

TEST_F(VerdrahtungTest, MenueFahrtenOeffnetDieAuswertung)
{
    ASSERT_TRUE(menuepunktWaehlen(*varno.hauptform(), QStringLiteral("Auswertung"), QStringLiteral("Fahrten")));
    EXPECT_TRUE(varno.auswertung()->isVisible());
    EXPECT_EQ(varno.auswertung()->windowTitle(), QStringLiteral("Fahrtenauswertung"));
}

TEST_F(VerdrahtungTest, AssistentAuswertenMitOk)
{
    varno.hauptform()->RBauswerten->setChecked(true);
    varno.hauptform()->BtOKClick();
    EXPECT_TRUE(varno.auswertung()->isVisible());
}

TEST_F(VerdrahtungTest, AnzeigenMitFortschrittsfensterUndDetails)
{
    for (int i = 0; i < 3; ++i)
        build::fahrt(d.fahrt(am(2006, 5, 2 + i, 8), am(2006, 5, 2 + i, 9), 1000 + i * 10, 1010 + i * 10));
    varno.sitzung().setAktuellesFahrzeug(d.golf);
    TF_AuswertungMirel* auswertung = varno.auswertung();
    auswertung->show();
    auswertung->move(varno.hauptform()->frameGeometry().topLeft() + QPoint(300, 200));
    auswertung->btAnzeigen->click();
    EXPECT_EQ(auswertung->fahrtenliste().anzahl(), 3u);
    EXPECT_EQ(varno.fortschritt()->prozent(), 100);
    EXPECT_FALSE(varno.fortschritt()->isVisible());
    // It stood over the main window, not over the evaluation that started it.
    const QPoint abstand =
        varno.fortschritt()->frameGeometry().center() - varno.hauptform()->frameGeometry().center();
    EXPECT_LE(abstand.manhattanLength(), 4) << abstand.x() << "," << abstand.y();

    bool gezeigt = false;
    QTimer::singleShot(0, varno.details(), [&] {
        gezeigt = varno.details()->isVisible();
        varno.details()->btAbbrechen->click();
    });
    auswertung->btDetails->click();
    EXPECT_TRUE(gezeigt);
}
