#include "common_ui/Rasterspalten.h"
#include "common_ui/Spaltenkopf.h"
#include "support/ui/Schriften.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A one-line grid without header, headed by labels, as the last-trip line of the trip entry.
class SpaltenkopfTest : public MitSchriftfall, public ::testing::Test {
protected:
    SpaltenkopfTest()
    {
        raster->setHorizontalHeaderLabels({"Ankunft", "von", "KM-Ankunft", "Art"});
        raster->horizontalHeader()->hide();
        rasterspalten::setzen(
            raster,
            {{68, spaltenmuster::tagUndUhrzeit}, 98, {61, spaltenmuster::kilometerstand}, {24, spaltenmuster::art}});
        kopf = new Spaltenkopf(raster);
        auto* layout = new QVBoxLayout(&fenster);
        layout->addWidget(kopf);
        layout->addWidget(raster);
        fenster.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    }

    void erwarteBeschriftungenUeberSpalten() const
    {
        for (int spalte = 0; spalte < raster->columnCount(); ++spalte) {
            const QLabel* beschriftung = kopf->beschriftung(spalte);
            const int spaltenanfang =
                raster->viewport()->mapToGlobal(QPoint(raster->columnViewportPosition(spalte), 0)).x();
            EXPECT_EQ(beschriftung->mapToGlobal(QPoint(0, 0)).x(), spaltenanfang) << spalte;
            EXPECT_EQ(beschriftung->width(), raster->columnWidth(spalte)) << spalte;
            EXPECT_LE(beschriftung->sizeHint().width(), beschriftung->width()) << beschriftung->text().toStdString();
        }
    }

    QWidget fenster;
    QTableWidget* raster = new QTableWidget(1, 4);
    Spaltenkopf* kopf = nullptr;
};

TEST_P(SpaltenkopfTest, BeschriftungenStehenUeberIhrenSpalten)
{
    EXPECT_EQ(kopf->beschriftung(2)->text(), QStringLiteral("KM-Ankunft"));
    erwarteBeschriftungenUeberSpalten();
}

TEST_P(SpaltenkopfTest, BeschriftungenFolgenGeaendertenSpalten)
{
    raster->setColumnWidth(0, raster->columnWidth(0) + 40);
    erwarteBeschriftungenUeberSpalten();
}

INSTANTIATE_TEST_SUITE_P(Schriften, SpaltenkopfTest, schriftfaelle(), schriftfallName);

} // namespace
