#include "Auswertungsfenster.h"

#include "evaluation/ui/FahrtenlistenModell.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The trip list read in pieces of four trips, so a small logbook shows how a large one fills.
class FahrtenlistenfuellungTest : public AuswertungTest {
protected:
    FahrtenlistenfuellungTest() { modell().setStueck(4); }

    FahrtenlistenModell& modell() { return *fenster.findChild<FahrtenlistenModell*>(); }

    // Ten trips of the Golf on ten days of May, 10 km each; `abTag` is the first day stored.
    void zehnFahrten(int abTag = 1)
    {
        for (int i = 0; i < 10; ++i) {
            const int tag = (abTag - 1 + i) % 10 + 1;
            build::fahrt(d.fahrt(am(2006, 5, tag, 8), am(2006, 5, tag, 9), 1000 + tag * 10, 1010 + tag * 10));
        }
    }

    bool ganzGelesen()
    {
        return QTest::qWaitFor([this] { return modell().ganzGelesen(); });
    }
};

} // namespace

TEST_F(FahrtenlistenfuellungTest, ZeigtDasErsteStueckBevorDasGanzeErgebnisGelesenIst)
{
    zehnFahrten();
    QStringList ablauf;
    fortschrittMitschreiben(ablauf);
    oeffnen();
    anzeigen(fenster.RBFahrten);

    // The progress window stands while the first piece is read and counts over that piece.
    ASSERT_GE(ablauf.size(), 3);
    EXPECT_EQ(ablauf.at(ablauf.size() - 2), QStringLiteral("100"));
    EXPECT_EQ(ablauf.last(), QStringLiteral("beenden"));
    const QStringList ersterBildschirm = ablauf;
    EXPECT_EQ(fenster.sgFahrten->model()->rowCount(), 4);
    EXPECT_EQ(modell().gelesenStuecke(), 1);
    EXPECT_FALSE(modell().ganzGelesen());
    EXPECT_TRUE(modell().canFetchMore({}));
    EXPECT_EQ(fenster.sbAnzahl->text(), QStringLiteral("Anzahl Fahrten: 4"));
    EXPECT_EQ(fenster.sgFahrten->currentIndex().row(), 0);
    EXPECT_TRUE(fenster.btDetails->isEnabled());

    ASSERT_TRUE(ganzGelesen());
    // Four on screen, then the other six in one of the larger pieces read behind them.
    EXPECT_EQ(modell().gelesenStuecke(), 2);
    EXPECT_EQ(fenster.sgFahrten->model()->rowCount(), 10);
    EXPECT_EQ(gelisteteAbfahrten().first(), QStringLiteral("01.05.2006 08:00:00"));
    EXPECT_EQ(gelisteteAbfahrten().last(), QStringLiteral("10.05.2006 08:00:00"));
    EXPECT_EQ(fenster.sbAnzahl->text(), QStringLiteral("Anzahl Fahrten: 10"));
    EXPECT_EQ(fenster.sbKilometer->text(), QStringLiteral("Kilometer: 100"));
    EXPECT_EQ(ablauf, ersterBildschirm);
}

TEST_F(FahrtenlistenfuellungTest, DieViewHoltMehrWoSieAnsEndeKommt)
{
    zehnFahrten();
    oeffnen();
    anzeigen(fenster.RBFahrten);
    modell().fetchMore({});
    EXPECT_EQ(fenster.sgFahrten->model()->rowCount(), 8);
    EXPECT_EQ(fenster.sbAnzahl->text(), QStringLiteral("Anzahl Fahrten: 8"));
}

TEST_F(FahrtenlistenfuellungTest, DieGanzeListeWirdGelesenWoSieGebrauchtWird)
{
    zehnFahrten();
    oeffnen();
    anzeigen(fenster.RBFahrten);
    EXPECT_EQ(fenster.fahrtenliste().anzahl(), 10u);
    EXPECT_EQ(fenster.fahrtenliste().kilometer(), 100);
    EXPECT_TRUE(modell().ganzGelesen());
    EXPECT_EQ(fenster.sbAnzahl->text(), QStringLiteral("Anzahl Fahrten: 10"));
    // Closing reads the rest too, so no statement stays open behind the window.
    anzeigen(fenster.RBFahrten);
    EXPECT_FALSE(modell().ganzGelesen());
    fenster.close();
    EXPECT_TRUE(modell().ganzGelesen());
}

TEST_F(FahrtenlistenfuellungTest, ZeilenAusserDerReiheRueckenAnIhrenPlatzUndDieAuswahlGehtMit)
{
    // Stored from the 7th on, then the 1st to the 6th: over all vehicles the logbook comes in the
    // order it was stored.
    zehnFahrten(7);
    oeffnen();
    waehle(fenster.cbFahrzeug, QStringLiteral("alle"));
    anzeigen(fenster.RBFahrten);
    ASSERT_FALSE(modell().ganzGelesen());
    fenster.sgFahrten->setCurrentIndex(fenster.sgFahrten->model()->index(2, 3));
    const QString gewaehlt = zelle(fenster.sgFahrten, 2, 0);

    ASSERT_TRUE(ganzGelesen());
    QStringList erwartet;
    for (int tag = 1; tag <= 10; ++tag)
        erwartet << QStringLiteral("%1.05.2006 08:00:00").arg(tag, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(gelisteteAbfahrten(), erwartet);
    EXPECT_EQ(zelle(fenster.sgFahrten, fenster.sgFahrten->currentIndex().row(), 0), gewaehlt);
    EXPECT_EQ(fenster.sgFahrten->currentIndex().column(), 3);
}
