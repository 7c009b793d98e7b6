#include "common_ui/Feldanfang.h"
#include "support/ui/Fensterhilfen.h"

#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

const QString langerOrt = QStringLiteral("Potsdam, Kunde Müller, Eingang Gebäude C, dritter Stock links");

class FeldanfangTest : public ::testing::Test {
protected:
    FeldanfangTest()
    {
        feld.resize(80, feld.sizeHint().height());
        auswahl.setEditable(true);
        auswahl.resize(80, auswahl.sizeHint().height());
        Feldanfang::einrichten(&feld);
        Feldanfang::einrichten(&auswahl);
    }

    QLineEdit feld;
    QComboBox auswahl;
};

TEST_F(FeldanfangTest, GesperrtesFeldZeigtDenAnfang)
{
    feld.setEnabled(false);
    feld.setText(langerOrt);
    EXPECT_TRUE(zeigtAnfang(feld));
}

TEST_F(FeldanfangTest, SchreibgeschuetztesFeldZeigtDenAnfang)
{
    feld.setReadOnly(true);
    feld.setText(langerOrt);
    EXPECT_TRUE(zeigtAnfang(feld));
}

TEST_F(FeldanfangTest, SperrenNachDemSetzenZeigtDenAnfang)
{
    feld.setText(langerOrt);
    feld.setEnabled(false);
    EXPECT_TRUE(zeigtAnfang(feld));
}

TEST_F(FeldanfangTest, BearbeitbaresFeldBehaeltDieSchreibmarkeAmEnde)
{
    feld.setText(langerOrt);
    EXPECT_EQ(feld.cursorPosition(), langerOrt.size());
    EXPECT_FALSE(zeigtAnfang(feld));
}

TEST_F(FeldanfangTest, GesperrteAuswahlZeigtDenAnfang)
{
    auswahl.setEnabled(false);
    auswahl.setEditText(langerOrt);
    EXPECT_TRUE(zeigtAnfang(*auswahl.lineEdit()));
}

} // namespace
