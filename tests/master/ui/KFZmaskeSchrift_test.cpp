#include "common/Clock.h"
#include "master/ui/TF_KFZ.h"
#include "support/MerkpunktBuilder.h"
#include "support/TestDatabase.h"
#include "support/ui/Schriften.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The vehicle window at the platform's font and at a wider one, on a card vehicle with a waypoint.
class KFZmaskeSchrift : public MitSchriftfall, public ::testing::Test {
protected:
    KFZmaskeSchrift()
    {
        Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0)));
        build::fahrzeug({.kennzeichen = QStringLiteral("K-CF 7"), .eingabeart = 1, .kfzId = 7});
        build::kartenfahrer(QStringLiteral("111"), build::fahrer(QStringLiteral("Meier")));
        build::merkpunkt({.zeit = QDateTime(QDate(2006, 3, 1), QTime(10, 15, 5)),
                          .km = 1234567,
                          .karte = QStringLiteral("111"),
                          .kfzSchluessel = QStringLiteral("7 - K-CF 7")});
        db.sitzung().fahrzeugeLaden();
        fenster.show();
        fenster.FormActivate();
    }
    ~KFZmaskeSchrift() override { Clock::reset(); }

    void waehle(const QString& kennzeichen)
    {
        fenster.cbKFZ->setCurrentIndex(fenster.cbKFZ->findText(kennzeichen));
        fenster.cbKFZChange();
    }

    TestDatabase db;
    TF_KFZ fenster{db.sitzung()};
};

TEST_P(KFZmaskeSchrift, BreiteWaechstMitDerSchrift)
{
    // 400 and 800 pixels were made for an average character width of 5 pixels.
    const qreal faktor = std::max(1.0, QFontMetricsF(QApplication::font()).averageCharWidth() / 5);
    waehle(QStringLiteral("Musterfahrzeug"));
    EXPECT_NEAR(fenster.width(), 400 * faktor, 1);
    waehle(QStringLiteral("K-CF 7"));
    EXPECT_NEAR(fenster.width(), 800 * faktor, 1);
}

TEST_P(KFZmaskeSchrift, MerkpunkteZeigenDatumUndKilometerGanz)
{
    waehle(QStringLiteral("K-CF 7"));
    ASSERT_EQ(fenster.SGMP->rowCount(), 1);
    EXPECT_TRUE(spaltenFassenTexte(*fenster.SGMP, {0, 1}));
}

INSTANTIATE_TEST_SUITE_P(Schriften, KFZmaskeSchrift, schriftfaelle(), schriftfallName);

} // namespace
