#include "app/THauptform.h"
#include "app/Varno.h"
#include "common/Clock.h"
#include "master/ui/TF_Fahrer.h"
#include "master/ui/TF_KFZ.h"
#include "master/ui/TF_KFZNeu.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"
#include "support/ui/Fensterhilfen.h"

#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

class VerwaltungTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0)));
        varno.starten(false);
        aktivieren(*varno.hauptform());
    }
    void TearDown() override { Clock::reset(); }

    TestDatabase db;
    Varno varno{db.file()};
};

} // namespace

TEST_F(VerwaltungTest, FahrzeugeOeffnetDieFahrzeugverwaltungUndVonDortNeu)
{
    ASSERT_TRUE(menuepunktWaehlen(*varno.hauptform(), QStringLiteral("Verwaltung"), QStringLiteral("Fahrzeuge")));
    TF_KFZ* kfz = varno.kfz();
    ASSERT_TRUE(kfz->isVisible());
    aktivieren(*kfz);
    EXPECT_EQ(kfz->windowTitle(), QStringLiteral("Fahrzeugverwaltung"));
    EXPECT_EQ(kfz->cbKFZ->currentText(), QStringLiteral("Musterfahrzeug"));

    kfz->BtNeu->click();
    TF_KFZNeu* neu = varno.kfzNeu();
    ASSERT_TRUE(neu->isVisible());
    aktivieren(*neu);
    // The recorder connection dialog is wired: choosing a recorder type offers to read its number.
    EXPECT_FALSE(neu->BtID_lesen->isEnabled());
    neu->cbEingabeart->setCurrentIndex(2);
    neu->cbEingabeartChange();
    EXPECT_TRUE(neu->BtID_lesen->isEnabled());

    neu->btAbbrechen->click();
    EXPECT_FALSE(neu->isVisible());
    EXPECT_TRUE(kfz->isVisible());
}

TEST_F(VerwaltungTest, FahrerOeffnetDieFahrerverwaltung)
{
    build::fahrer(QStringLiteral("Meier"));
    ASSERT_TRUE(menuepunktWaehlen(*varno.hauptform(), QStringLiteral("Verwaltung"), QStringLiteral("Fahrer")));
    TF_Fahrer* fenster = varno.fahrer();
    ASSERT_TRUE(fenster->isVisible());
    aktivieren(*fenster);
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Fahrerverwaltung"));
    ASSERT_EQ(fenster->SGFahrer->rowCount(), 1);
    EXPECT_EQ(fenster->SGFahrer->item(0, 0)->text(), QStringLiteral("Meier"));
}
