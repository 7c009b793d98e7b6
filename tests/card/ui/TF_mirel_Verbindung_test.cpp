#include "card/ui/TF_mirel_Verbindung.h"
#include "logbuch/OptionenStore.h"
#include "support/TestDatabase.h"
#include "support/ui/Tastenkuerzel.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

class MirelVerbindungTest : public ::testing::Test {
protected:
    void aktivieren()
    {
        QEvent event(QEvent::WindowActivate);
        QApplication::sendEvent(&dialog, &event);
    }

    TestDatabase db;
    TF_mirel_Verbindung dialog;
};

struct AnzeigeFall {
    int betriebssystem;
    int schnittstelle;
    bool windows9x;
    bool com1;
};

class MirelAnzeige : public MirelVerbindungTest, public ::testing::WithParamInterface<AnzeigeFall> {};

} // namespace

TEST_P(MirelAnzeige, GespeicherteWahlIstAusgewaehlt)
{
    const AnzeigeFall fall = GetParam();
    build::optionen(QStringLiteral("Betriebssystem"), fall.betriebssystem);
    build::optionen(QStringLiteral("Schnittstelle"), fall.schnittstelle);
    aktivieren();
    EXPECT_EQ(dialog.RB_BS1->isChecked(), fall.windows9x);
    EXPECT_EQ(dialog.RB_BS2->isChecked(), !fall.windows9x);
    EXPECT_EQ(dialog.RB_S1->isChecked(), fall.com1);
    EXPECT_EQ(dialog.RB_S2->isChecked(), !fall.com1);
}

// Anything but the two known values shows Windows NT and COM 2.
INSTANTIATE_TEST_SUITE_P(Faelle, MirelAnzeige,
                         ::testing::Values(AnzeigeFall{1, 2, false, false}, AnzeigeFall{0, 1, true, true},
                                           AnzeigeFall{0, 2, true, false}, AnzeigeFall{7, 0, false, false}));

TEST_F(MirelVerbindungTest, BeschriftungenWieImGeraet)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("mirel Verbindung"));
    EXPECT_EQ(dialog.findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->title(), QStringLiteral("Betriebssystem"));
    EXPECT_EQ(dialog.findChild<QGroupBox*>(QStringLiteral("GroupBox2"))->title(), QStringLiteral("Schnittstelle"));
    EXPECT_EQ(ohneKuerzel(dialog.RB_BS1->text()), QStringLiteral("Windows 95, 98 oder ME"));
    EXPECT_EQ(ohneKuerzel(dialog.RB_BS2->text()), QStringLiteral("Windows NT, 2000 oder XP"));
    EXPECT_EQ(ohneKuerzel(dialog.BtOK->text()), QStringLiteral("weiter"));
    EXPECT_EQ(ohneKuerzel(dialog.BtAbbrechen->text()), QStringLiteral("abbrechen"));
}

TEST_F(MirelVerbindungTest, WeiterSpeichertUndBleibtOffen)
{
    build::optionen(QStringLiteral("Betriebssystem"), 1);
    build::optionen(QStringLiteral("Schnittstelle"), 2);
    dialog.show();
    aktivieren();
    dialog.RB_BS1->click();
    dialog.RB_S1->click();
    dialog.BtOK->click();
    EXPECT_TRUE(dialog.isVisible());
    const OptionenStore::MirelVerbindung gespeichert = OptionenStore::mirelVerbindung();
    EXPECT_EQ(gespeichert.Betriebssystem, 0);
    EXPECT_EQ(gespeichert.Schnittstelle, 1);

    dialog.BtAbbrechen->click();
    EXPECT_FALSE(dialog.isVisible());
    dialog.RB_BS2->click(); // whatever the buttons show, showing again reads the stored choice
    dialog.show();
    aktivieren();
    EXPECT_TRUE(dialog.RB_BS1->isChecked());
    EXPECT_TRUE(dialog.RB_S1->isChecked());
    dialog.hide();
}

TEST_F(MirelVerbindungTest, UngespeicherteWahlWeichtBeimWiederaktivieren)
{
    aktivieren();
    ASSERT_TRUE(dialog.RB_BS2->isChecked());
    ASSERT_TRUE(dialog.RB_S1->isChecked());
    dialog.RB_BS1->click();
    dialog.RB_S2->click();
    aktivieren(); // the user switched to another window and back
    EXPECT_TRUE(dialog.RB_BS2->isChecked());
    EXPECT_TRUE(dialog.RB_S1->isChecked());
    const OptionenStore::MirelVerbindung gespeichert = OptionenStore::mirelVerbindung();
    EXPECT_EQ(gespeichert.Betriebssystem, 1);
    EXPECT_EQ(gespeichert.Schnittstelle, 1);
}
