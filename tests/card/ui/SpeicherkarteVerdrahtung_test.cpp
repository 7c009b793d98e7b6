#include "app/THauptform.h"
#include "app/Varno.h"
#include "card/ui/TF_Speicherkarte.h"
#include "card/ui/TF_Varno_Datei.h"
#include "card/ui/TF_Varno_V_OK.h"
#include "master/ui/TF_KFZ.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"
#include "support/ui/Fensterhilfen.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class SpeicherkarteVerdrahtung : public ::testing::Test {
protected:
    void SetUp() override
    {
        varno.starten(false);
        aktivieren(*varno.hauptform());
    }

    TestDatabase db;
    Varno varno{db.file()};
};

} // namespace

TEST_F(SpeicherkarteVerdrahtung, MenueOeffnetKartenverwaltungUndVonDortDieKartenfenster)
{
    ASSERT_TRUE(menuepunktWaehlen(*varno.hauptform(), QStringLiteral("Verwaltung"), QStringLiteral("Speicherkarte")));
    TF_Speicherkarte* verwaltung = varno.speicherkarte();
    ASSERT_TRUE(verwaltung->isVisible());
    EXPECT_EQ(verwaltung->windowTitle(), QStringLiteral("Verwaltung Speicherkarten"));

    verwaltung->BtVerwalt->click();
    EXPECT_TRUE(varno.kartenlisten()->isVisible());
    EXPECT_EQ(varno.kartenlisten()->windowTitle(), QStringLiteral("Daten der Speicherkarte verwalten"));
    EXPECT_TRUE(varno.kartenlisten()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ASSERT_TRUE(verwaltung->BtZeigen->isEnabled());
    verwaltung->BtZeigen->click();
    EXPECT_TRUE(varno.kartenimport()->isVisible());
}

TEST_F(SpeicherkarteVerdrahtung, FahrzeugfensterOeffnetDasKartenlistenfenster)
{
    varno.kfz()->BtEichenClick();
    EXPECT_TRUE(varno.kartenlisten()->isVisible());
}
