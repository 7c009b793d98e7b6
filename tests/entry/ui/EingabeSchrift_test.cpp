#include "EingabeFenster.h"

#include "common_ui/Schriftmass.h"
#include "common_ui/Spaltenkopf.h"
#include "entry/ui/Rohfahrtliste.h"
#include "support/ui/Fensterhilfen.h"
#include "support/ui/Schriften.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>

namespace {

const QString langerOrt = QStringLiteral("Potsdam, Kunde Müller, Eingang Gebäude C");

// The trip entry at the platform's font and at a wider one: a card vehicle whose last trip ended
// at a long place name with an odometer of seven digits, and one raw trip.
class EingabeSchrift : public MitSchriftfall, public EingabeFenster {
protected:
    void SetUp() override
    {
        EingabeFenster::SetUp();
        kfz = kartenfahrzeug();
        build::fahrt({.kfz = kfz,
                      .ab = QDateTime(QDate(2006, 3, 12), QTime(7, 30)),
                      .an = QDateTime(QDate(2006, 3, 12), QTime(18, 0)),
                      .kmAb = 1234500,
                      .kmAn = 1234567,
                      .start = build::ort(QStringLiteral("Büro")),
                      .ziel = build::ort(langerOrt),
                      .art = 4});
        build::rohfahrt({.startzeit = QDateTime(QDate(2006, 3, 13), QTime(8, 15, 30)),
                         .startkm = 1234567,
                         .zielzeit = QDateTime(QDate(2006, 3, 13), QTime(18, 45, 10)),
                         .zielkm = 1234999,
                         .kfzSchluessel = kartenSchluessel,
                         .art = QStringLiteral("D")});
        oeffnen(kfz);
    }

    int kfz = 0;
};

TEST_P(EingabeSchrift, LetzteFahrtUndRohfahrtenZeigenIhreDatenGanz)
{
    ASSERT_FALSE(fenster.sgLFahrt->item(0, 0)->text().isEmpty());
    EXPECT_TRUE(spaltenFassenTexte(*fenster.sgLFahrt, {0, 4, 5}));
    ASSERT_EQ(fenster.rohfahrten()->rowCount(), 1);
    EXPECT_TRUE(spaltenFassenTexte(*fenster.StringGrid1, {0, 1, 2, 3, 6}));
}

TEST_P(EingabeSchrift, UeberschriftenStehenUeberDenSpaltenDerLetztenFahrt)
{
    const auto* kopf = fenster.findChild<Spaltenkopf*>(QStringLiteral("sgLFahrtKopf"));
    ASSERT_NE(kopf, nullptr);
    const QStringList titel = {"Ankunft", "von", "nach", "Zweck", "KM-Ankunft", "Art"};
    const QTableWidget* zeile = fenster.sgLFahrt;
    for (int spalte = 0; spalte < zeile->columnCount(); ++spalte) {
        const QLabel* beschriftung = kopf->beschriftung(spalte);
        EXPECT_EQ(beschriftung->text(), titel.at(spalte));
        EXPECT_EQ(beschriftung->mapToGlobal(QPoint(0, 0)).x(),
                  zeile->viewport()->mapToGlobal(QPoint(zeile->columnViewportPosition(spalte), 0)).x())
            << spalte;
        EXPECT_EQ(beschriftung->width(), zeile->columnWidth(spalte)) << spalte;
        EXPECT_LE(beschriftung->sizeHint().width(), beschriftung->width()) << spalte;
    }
    // The whole line shows.
    EXPECT_GE(zeile->viewport()->width(), zeile->columnViewportPosition(5) + zeile->columnWidth(5));
}

TEST_P(EingabeSchrift, GesperrterAbfahrtsortZeigtDenAnfang)
{
    ASSERT_FALSE(fenster.cbVon->isEnabled());
    QLineEdit* von = fenster.cbVon->lineEdit();
    ASSERT_EQ(von->text(), langerOrt);
    EXPECT_TRUE(zeigtAnfang(*von));
}

TEST_P(EingabeSchrift, MindestgroesseWaechstMitDerSchrift)
{
    EXPECT_EQ(fenster.minimumSize(), schriftmass::groesse(800, 600));
    EXPECT_GE(fenster.minimumWidth(), 800);
    EXPECT_GE(fenster.minimumHeight(), 600);
}

INSTANTIATE_TEST_SUITE_P(Schriften, EingabeSchrift, schriftfaelle(), schriftfallName);

} // namespace
