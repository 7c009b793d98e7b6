#include "support/TestDatabase.h"

#include "app/THauptform.h"
#include "app/Varno.h"
#include "common/Clock.h"
#include "logbuch/Sitzung.h"
#include "evaluation/ui/ReportPreview.h"
#include "evaluation/ui/TF_AuswertungMirel.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

// The program's "Druckvorschau" opens the print preview with the report of the listed trips.
TEST(ReportVerdrahtung, DruckvorschauShowsTheTripReportInThePreview)
{
    Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0)));
    TestDatabase db;
    const int kfz = build::fahrzeug();
    const QDateTime ab(QDate(2006, 5, 2), QTime(8, 0));
    build::fahrt({.kfz = kfz, .ab = ab, .an = ab.addSecs(3600), .kmAb = 1000, .kmAn = 1030,
                  .start = build::ort(QStringLiteral("Berlin")), .ziel = build::ort(QStringLiteral("Potsdam")),
                  .art = 3, .kategorie = build::kategorie(QStringLiteral("Pendeln")),
                  .fahrer = build::fahrer(QStringLiteral("Meier"))});
    Varno varno{db.file()};
    varno.sitzung().setAktuellesFahrzeug(kfz);
    varno.starten(false);
    TF_AuswertungMirel* auswertung = varno.auswertung();
    auswertung->show();
    auswertung->btAnzeigen->click();
    ASSERT_TRUE(auswertung->btExport->isEnabled());

    QStringList seite;
    bool knopfGesperrt = false;
    // The progress window lets events through, so wait until the preview itself is up.
    QTimer warten;
    QObject::connect(&warten, &QTimer::timeout, [&] {
        auto* vorschau = qobject_cast<ReportPreview*>(QApplication::activeModalWidget());
        if (!vorschau)
            return;
        warten.stop();
        knopfGesperrt = !auswertung->btExport->isEnabled();
        seite = vorschau->report().pages.at(0).textsInReadingOrder();
        vorschau->reject();
    });
    warten.start(10);
    auswertung->btExport->click();

    EXPECT_TRUE(knopfGesperrt);
    EXPECT_TRUE(auswertung->btExport->isEnabled());
    EXPECT_TRUE(seite.contains(QStringLiteral("Arbeitsweg")));
    EXPECT_TRUE(seite.contains(QStringLiteral("30 km")));
    EXPECT_TRUE(seite.contains(QStringLiteral("Seite 1 von 1")));
    auswertung->close();
    Clock::reset();
}
