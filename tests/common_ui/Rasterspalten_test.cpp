#include "common_ui/Abschneidehinweis.h"
#include "common_ui/Rasterspalten.h"
#include "common_ui/Schriftmass.h"
#include "support/ui/Schriften.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

const QString langerOrt = QStringLiteral("Potsdam, Kunde Müller, Eingang Gebäude C");

// A grid as the lists of the program: a date-time, kilometres, a kind and a place.
class RasterspaltenTest : public MitSchriftfall, public ::testing::Test {
protected:
    RasterspaltenTest()
    {
        modell.setHorizontalHeaderLabels({"Abfahrt", "KM-Abf.", "Art", "Ort"});
        modell.appendRow({new QStandardItem("02.01.2006 08:10:00"), new QStandardItem("1234567"),
                          new QStandardItem("G"), new QStandardItem(langerOrt)});
        modell.appendRow({new QStandardItem("28.12.2007 18:45:30"), new QStandardItem("98"), new QStandardItem("P"),
                          new QStandardItem("Berlin")});
        raster.setModel(&modell);
        rasterspalten::setzen(
            &raster,
            {{60, spaltenmuster::datumZeit}, {50, spaltenmuster::kilometerstand}, {20, spaltenmuster::art}, 100});
    }

    QStandardItemModel modell;
    QTableView raster;
};

TEST_P(RasterspaltenTest, DatenspaltenFassenIhreTexteUndKoepfe)
{
    EXPECT_TRUE(spaltenFassenTexte(raster, {0, 1, 2}));
}

TEST_P(RasterspaltenTest, MusterGiltAuchFuerSpaeterGefuellteZeilen)
{
    modell.appendRow({new QStandardItem("08.08.2008 08:08:08"), new QStandardItem("8888888"), new QStandardItem("W"),
                      new QStandardItem("x")});
    EXPECT_TRUE(spaltenFassenTexte(raster, {0, 1, 2}));
}

TEST_P(RasterspaltenTest, TextspalteBehaeltIhreSkalierteBreite)
{
    EXPECT_EQ(raster.columnWidth(3), schriftmass::breite(100));
    EXPECT_GE(raster.columnWidth(3), 100);
}

TEST_P(RasterspaltenTest, AbgeschnittenerTextWirdTooltip)
{
    EXPECT_EQ(Abschneidehinweis::abgeschnittenerText(&raster, modell.index(0, 3)), langerOrt);
    EXPECT_EQ(Abschneidehinweis::abgeschnittenerText(&raster, modell.index(1, 3)), QString());
    EXPECT_EQ(Abschneidehinweis::abgeschnittenerText(&raster, modell.index(0, 0)), QString());

    raster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&raster));
    const QRect zelle = raster.visualRect(modell.index(0, 3));
    QHelpEvent hilfe(QEvent::ToolTip, zelle.center(), raster.viewport()->mapToGlobal(zelle.center()));
    QApplication::sendEvent(raster.viewport(), &hilfe);
    EXPECT_EQ(QToolTip::text(), langerOrt);
    QToolTip::hideText();
}

TEST_P(RasterspaltenTest, DoppelklickAufKopfgrenzePasstSpalteAn)
{
    raster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&raster));
    QHeaderView* kopf = raster.horizontalHeader();
    EXPECT_EQ(kopf->sectionResizeMode(3), QHeaderView::Interactive);
    ASSERT_FALSE(spaltenFassenTexte(raster, {3}));
    const QPoint grenze(kopf->sectionViewportPosition(3) + kopf->sectionSize(3) - 1, kopf->height() / 2);
    QTest::mouseDClick(kopf->viewport(), Qt::LeftButton, {}, grenze);
    EXPECT_TRUE(spaltenFassenTexte(raster, {3}));
}

INSTANTIATE_TEST_SUITE_P(Schriften, RasterspaltenTest, schriftfaelle(), schriftfallName);

} // namespace
