#include "admin/ui/TF_Datensicherung.h"
#include "app/THauptform.h"
#include "app/Varno.h"
#include "card/ui/TF_Speicherkarte.h"
#include "card/ui/TF_Varno_V_OK.h"
#include "common/Clock.h"
#include "logbuch/Sitzung.h"
#include "entry/ui/TF_Eingabe.h"
#include "evaluation/ui/TF_AuswertungMirel.h"
#include "master/ui/TF_Fahrer.h"
#include "master/ui/TF_KFZ.h"
#include "support/TestDatabase.h"
#include "support/ui/Paletten.h"
#include "support/ui/Schriften.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

// "_dunkel" under a dark theme, "@2x" on a screen drawn at scale factor 2, so the runs of the window
// tests under each leave their pictures side by side.
QString namenszusatz(const QWidget& fenster)
{
    QString zusatz;
    if (fenster.palette().color(QPalette::Window).lightness() < 128)
        zusatz += QStringLiteral("_dunkel");
    if (fenster.devicePixelRatio() > 1)
        zusatz += QStringLiteral("@%1x").arg(fenster.devicePixelRatio());
    return zusatz;
}

void fotografieren()
{
    TestDatabase db;
    const int golf = build::fahrzeug();
    build::fahrt({.kfz = golf,
                  .ab = QDateTime(QDate(2006, 5, 2), QTime(8, 10)),
                  .an = QDateTime(QDate(2006, 5, 2), QTime(9, 45)),
                  .kmAb = 1234500,
                  .kmAn = 1234567,
                  .start = build::ort(QStringLiteral("Potsdam, Kunde Müller, Eingang Gebäude C")),
                  .ziel = build::ort(QStringLiteral("Büro")),
                  .art = 4,
                  .kategorie = build::kategorie(QStringLiteral("Standard")),
                  .fahrer = build::fahrer(QStringLiteral("Meier"))});
    Varno varno{db.file()};
    varno.starten(false);
    varno.sitzung().setAktuellesFahrzeug(golf);

    const QString ordner = QCoreApplication::applicationDirPath() + QStringLiteral("/../bildschirmfotos");
    ASSERT_TRUE(QDir().mkpath(ordner));
    const auto foto = [&ordner](QWidget* fenster) {
        fenster->show();
        const QString datei =
            ordner + QLatin1Char('/') + fenster->objectName() + namenszusatz(*fenster) + QStringLiteral(".png");
        const QPixmap bild = fenster->grab();
        EXPECT_EQ(bild.devicePixelRatio(), fenster->devicePixelRatio()) << datei.toStdString();
        EXPECT_TRUE(bild.save(datei)) << datei.toStdString();
        EXPECT_TRUE(QFileInfo(datei).size() > 0) << datei.toStdString();
    };
    foto(varno.hauptform());
    for (QWidget* fenster :
         std::initializer_list<QWidget*>{varno.eingabe(), varno.kfz(), varno.fahrer(), varno.kartenimport(),
                                         varno.speicherkarte(), varno.datensicherung()}) {
        foto(fenster);
        fenster->hide();
    }
    TF_AuswertungMirel* auswertung = varno.auswertung();
    auswertung->show();
    auswertung->RBFahrten->setChecked(true);
    auswertung->btAnzeigenClick();
    foto(auswertung);
    auswertung->close();
    varno.hauptform()->hide();
}

class Bildschirmfotos : public ::testing::Test {
protected:
    Bildschirmfotos() { Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0))); }
    ~Bildschirmfotos() override { Clock::reset(); }

    const Schriftwahl schrift{systemschrift()};
};

} // namespace

// Pictures of the main windows at the platform's font, written to "bildschirmfotos" beside the
// test programs for a person to look at. The layout checks are the font tests of each window;
// this one only makes sure every picture was written.
TEST_F(Bildschirmfotos, HauptfensterBeiDerSystemschrift)
{
    fotografieren();
}

TEST_F(Bildschirmfotos, HauptfensterUnterEinemDunklenThema)
{
    const Palettenwahl dunkel(dunklePalette());
    fotografieren();
}

// The run on a HiDPI screen really draws at the factor asked for.
TEST(Bildschirm, ZeichnetMitDemVerlangtenSkalierungsfaktor)
{
    const QByteArray faktor = qgetenv("QT_SCALE_FACTOR");
    EXPECT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), faktor.isEmpty() ? 1.0 : faktor.toDouble());
}
