#include "ReportTestSupport.h"
#include "support/TestDatabase.h"

#include "common/Clock.h"
#include "common/VarnoError.h"
#include "evaluation/ui/Druckvorschau.h"
#include "evaluation/ui/TF_AuswertungMirel.h"

#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

class ReportDruckvorschau : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::setFixed(QDateTime(QDate(2006, 3, 10), QTime(12, 0)));
        kfz_ = build::fahrzeug({.kennzeichen = QStringLiteral("B-VA 42, Passat")});
        db_.sitzung().setAktuellesFahrzeug(kfz_);
        const int meier = build::fahrer(QStringLiteral("Meier"));
        const int berlin = build::ort(QStringLiteral("Berlin"));
        const int potsdam = build::ort(QStringLiteral("Potsdam"));
        const int vertrieb = build::kategorie(QStringLiteral("Vertrieb"));
        const QDateTime ab(QDate(2006, 3, 1), QTime(8, 0));
        build::fahrt({.kfz = kfz_, .ab = ab, .an = ab.addSecs(3600), .kmAb = 1000, .kmAn = 1042, .start = berlin,
                      .ziel = potsdam, .art = 2, .kategorie = vertrieb, .fahrer = meier,
                      .bemerkung = QStringLiteral("Einkauf für das Sommerfest im Gartenmarkt am Stadtrand")});
    }
    void TearDown() override { Clock::reset(); }

    Druckvorschau druckvorschau()
    {
        return Druckvorschau(
            fenster_,
            {[this](const QWidget*) { fortschritt_.push_back(0); }, [this](int p) { fortschritt_.push_back(p); },
             [this] { fortschritt_.push_back(-1); }},
            [this](LaidOutReport report, QWidget*) {
                knopfWaehrendVorschau_ = fenster_.btExport->isEnabled();
                gezeigt_.push_back(std::move(report));
            });
    }

    void anzeigen(QRadioButton* ansicht)
    {
        fenster_.show();
        ansicht->setChecked(true);
        fenster_.btAnzeigen->click();
    }

    TestDatabase db_;
    int kfz_ = 0;
    TF_AuswertungMirel fenster_{db_.sitzung()};
    std::vector<int> fortschritt_;
    std::vector<LaidOutReport> gezeigt_;
    bool knopfWaehrendVorschau_ = true;
};

} // namespace

TEST_F(ReportDruckvorschau, TripViewPrintsTheListedTripsWithTheirTotals)
{
    fenster_.setDruckvorschau(druckvorschau());
    anzeigen(fenster_.RBFahrten);
    ASSERT_TRUE(fenster_.btExport->isEnabled());

    fenster_.btExport->click();

    ASSERT_EQ(gezeigt_.size(), 1u);
    const QString text = reporttest::allTexts(gezeigt_[0]).join(QLatin1Char(' '));
    EXPECT_TRUE(text.contains(QStringLiteral("Auswertung vom 01.03.2006 bis 01.03.2006"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("KFZ: B-VA 42, Passat Fahrer: alle gesetzte Filter: kein Filter gesetzt")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("01.03.2006 08:00:00 Berlin 1000 B-VA 42, Passat Vertrieb P Einkauf")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Sommerfest"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("privat 42 km")));
    EXPECT_TRUE(text.contains(QStringLiteral("Gesamt 42 km")));
    // The vehicle's start record is not listed and so not printed.
    EXPECT_FALSE(text.contains(QStringLiteral("24.12.2005"))) << text.toStdString();
    EXPECT_EQ(fortschritt_, (std::vector<int>{0, 100, -1}));
    EXPECT_FALSE(knopfWaehrendVorschau_);
    EXPECT_TRUE(fenster_.btExport->isEnabled());
}

TEST_F(ReportDruckvorschau, AllDriversViewPrintsTheDriverTable)
{
    anzeigen(fenster_.RBFahrer);
    ASSERT_EQ(fenster_.stand().ansichtsModus, Auswertungsstand::AlleFahrer);

    druckvorschau()();

    ASSERT_EQ(gezeigt_.size(), 1u);
    const QStringList texts = reporttest::allTexts(gezeigt_[0]);
    EXPECT_TRUE(texts.contains(QStringLiteral("alle Fahrer über alle Tage")));
    EXPECT_TRUE(texts.join(QLatin1Char(' ')).contains(QStringLiteral("Meier 1 0d 01h 00min 0d 01h 00min 42 km")))
        << texts.join(QLatin1Char(' ')).toStdString();
}

TEST_F(ReportDruckvorschau, ButtonIsEnabledAgainAfterAFailingPreview)
{
    anzeigen(fenster_.RBFahrten);
    Druckvorschau scheitert(fenster_, {}, [](LaidOutReport, QWidget*) { throw VarnoError(QStringLiteral("kaputt")); });

    EXPECT_THROW(scheitert(), VarnoError);
    EXPECT_TRUE(fenster_.btExport->isEnabled());
}

TEST_F(ReportDruckvorschau, VehicleViewHasNoReportOfTheFourKinds)
{
    anzeigen(fenster_.RBFahrzeug);
    EXPECT_FALSE(druckvorschau().bericht().has_value());
}
