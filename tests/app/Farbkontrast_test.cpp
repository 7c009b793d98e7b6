#include "app/THauptform.h"
#include "app/TF_ProgressBar.h"
#include "app/TF_Start.h"
#include "card/ui/TF_Speicherkarte.h"
#include "common/Clock.h"
#include "evaluation/ui/FahrtenlistenModell.h"
#include "master/ui/TF_KFZ.h"
#include "support/FakeRemovableMedia.h"
#include "support/TestDatabase.h"
#include "support/ui/Fensterhilfen.h"
#include "support/ui/Paletten.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

// Every colour the program sets itself, measured against what it meets under a light and a dark
// desktop theme. The card import's yellow driver box is measured with the card import's tests.
namespace {

class Farbkontrast : public MitPalettenfall, public ::testing::Test {
protected:
    Farbkontrast() { Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0))); }
    ~Farbkontrast() override { Clock::reset(); }

    TestDatabase db;
};

TEST_P(Farbkontrast, GelbeInspektionsfelderDesHauptfensters)
{
    build::fahrzeug({.kennzeichen = QStringLiteral("A-INSP 1"),
                     .anfKm = 14200,
                     .inspKm = 15000,
                     .inspDat = Clock::today().addDays(10)});
    THauptform fenster{db.sitzung()};
    fenster.FormShow();
    aktivieren(fenster);
    fenster.CbKFZ->setCurrentIndex(fenster.CbKFZ->findText(QStringLiteral("A-INSP 1")));
    fenster.CbKFZChange(fenster.CbKFZ->currentIndex());
    for (const QLineEdit* feld : {fenster.eInspKm, fenster.eInspDat}) {
        ASSERT_NE(feld->palette().color(QPalette::Active, QPalette::Base),
                  QApplication::palette().color(QPalette::Active, QPalette::Base))
            << feld->objectName().toStdString() << " ist nicht hervorgehoben";
        EXPECT_TRUE(liestSich(*feld, QPalette::Text, QPalette::Base));
    }
}

TEST_P(Farbkontrast, RoteKnoepfe)
{
    TF_KFZ fahrzeuge{db.sitzung()};
    TF_Speicherkarte speicherkarte{std::make_unique<FakeRemovableMedia>()};
    for (QPushButton* knopf : {fahrzeuge.BtAbschliessen, speicherkarte.BtFormat}) {
        for (const bool frei : {true, false}) {
            knopf->setEnabled(frei);
            EXPECT_TRUE(liestSich(*knopf, QPalette::ButtonText, QPalette::Button));
        }
        const QColor rot = knopf->palette().color(QPalette::ButtonText);
        EXPECT_GT(rot.red(), 2 * std::max(rot.green(), rot.blue())) << knopf->objectName().toStdString();
    }
}

TEST_P(Farbkontrast, ZeilenDerFahrtenliste)
{
    // A current row, a replaced one, one the check names, and one both.
    std::vector<GelisteteFahrt> fahrten(4);
    for (int i = 0; i < 4; ++i)
        fahrten[static_cast<std::size_t>(i)].id = i + 1;
    QHash<int, Ersetzung> ersetzungen{{2, {QStringLiteral("10.03.2006 12:00:00"), QStringLiteral("Tippfehler")}},
                                      {4, {QStringLiteral("10.03.2006 12:00:00"), QStringLiteral("doppelt"), true}}};
    FahrtenlistenModell modell;
    modell.setzen(Fahrtenliste(fahrten, {}, ersetzungen), {3, 4});
    const QPalette palette = QApplication::palette();
    for (int zeile = 0; zeile < modell.rowCount(); ++zeile) {
        const QModelIndex zelle = modell.index(zeile, 0);
        const QVariant schrift = zelle.data(Qt::ForegroundRole);
        const QVariant grund = zelle.data(Qt::BackgroundRole);
        EXPECT_TRUE(liestSich(schrift.isValid() ? schrift.value<QColor>() : palette.color(QPalette::Text),
                              grund.isValid() ? grund.value<QColor>() : palette.color(QPalette::Base)))
            << "Zeile " << zeile;
    }
    EXPECT_TRUE(modell.index(2, 0).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(modell.index(1, 0).data(Qt::ForegroundRole).isValid());
}

TEST_P(Farbkontrast, TextDesStartbilds)
{
    TF_Start start;
    const auto* text = start.findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(liestSich(text->palette().color(QPalette::WindowText), start.palette().color(QPalette::Window)));
}

// Measured on the picture: the filled part of the gauge against its empty groove.
TEST_P(Farbkontrast, BalkenDesFortschrittsfensters)
{
    TF_ProgressBar fortschritt;
    auto* balken = fortschritt.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    ASSERT_NE(balken, nullptr);
    balken->setValue(50);
    fortschritt.show();
    const QImage bild = balken->grab().toImage();
    const int mitte = bild.height() / 2;
    EXPECT_TRUE(liestSich(bild.pixelColor(bild.width() / 4, mitte), bild.pixelColor(bild.width() * 3 / 4, mitte)));
    fortschritt.hide();
}

INSTANTIATE_TEST_SUITE_P(Themen, Farbkontrast, palettenfaelle(), palettenfallName);

} // namespace
