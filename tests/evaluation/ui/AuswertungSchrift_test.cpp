#include "Auswertungsdaten.h"

#include "common/Clock.h"
#include "evaluation/ui/TF_AuswertungMirel.h"
#include "support/ui/Schriften.h"
#include "support/ui/Textplatz.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QRadioButton>
#include <QTableView>

#include <gtest/gtest.h>

namespace {

const QString langerOrt = QStringLiteral("Potsdam, Kunde Müller, Eingang Gebäude C");

// The evaluation at the platform's font and at a wider one, with odometer readings of seven digits.
class AuswertungSchrift : public MitSchriftfall, public ::testing::Test {
protected:
    AuswertungSchrift()
    {
        Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0)));
        db.sitzung().setAktuellesFahrzeug(d.golf);
        auto weit = d.fahrt(am(2006, 5, 2, 8, 10), am(2006, 5, 2, 18, 45), 1234500, 1234567);
        weit.start = build::ort(langerOrt);
        build::fahrt(weit);
        build::fahrt(d.fahrt(am(2006, 5, 2, 19), am(2006, 5, 2, 20, 30), 1234567, 1234888));
        build::fahrt(d.fahrt(am(2006, 5, 28, 8), am(2006, 5, 28, 9), 1234888, 1235000));
        fenster.show();
    }
    ~AuswertungSchrift() override
    {
        fenster.close();
        Clock::reset();
    }

    void anzeigen(QRadioButton* ansicht)
    {
        ansicht->setChecked(true);
        fenster.btAnzeigenClick();
    }

    void meierAm(const QDate& tag)
    {
        fenster.cbFahrer->setCurrentIndex(fenster.cbFahrer->findText(QStringLiteral("Meier")));
        for (auto [box, picker] :
             {std::pair{fenster.cbxAbDat, fenster.dtpAbDat}, {fenster.cbxAnDat, fenster.dtpAnDat}}) {
            picker->setDate(tag);
            box->setChecked(true);
        }
        fenster.cbxAbDatClick();
        fenster.cbxAnDatClick();
    }

    TestDatabase db;
    Auswertungsdaten d;
    TF_AuswertungMirel fenster{db.sitzung()};
};

TEST_P(AuswertungSchrift, FahrtenansichtZeigtDatumZeitKilometerUndArtGanz)
{
    const int kompakt = fenster.height();
    anzeigen(fenster.RBFahrten);
    ASSERT_EQ(fenster.fahrtenliste().anzahl(), 3u);
    EXPECT_TRUE(spaltenFassenTexte(*fenster.sgFahrten, {0, 1, 4, 5, 10}));
    EXPECT_GE(kompakt, 200);
    EXPECT_GE(fenster.height(), 556);
    // The offscreen screen is 800 wide: the small-screen width, scaled as the rest.
    EXPECT_GE(fenster.width(), 800);
}

TEST_P(AuswertungSchrift, FahreransichtenZeigenIhreZahlenGanz)
{
    anzeigen(fenster.RBFahrer);
    ASSERT_EQ(fenster.SGFahrer->model()->index(0, 4).data().toString(), QStringLiteral("500 km"));
    EXPECT_TRUE(spaltenFassenTexte(*fenster.SGFahrer, {1, 2, 3, 4, 5}));
    EXPECT_GE(fenster.width(), 750);

    fenster.cbFahrer->setCurrentIndex(fenster.cbFahrer->findText(QStringLiteral("Meier")));
    anzeigen(fenster.RBFahrer);
    EXPECT_TRUE(spaltenFassenTexte(*fenster.SGFahrerTab, {0, 1, 2, 3, 4, 5, 6}));

    meierAm(QDate(2006, 5, 2));
    anzeigen(fenster.RBFahrer);
    ASSERT_EQ(fenster.stand().ansichtsModus, Auswertungsstand::FahrerAnEinemTag);
    EXPECT_TRUE(spaltenFassenTexte(*fenster.sgFahrten, {0, 1, 5, 6, 7, 8, 10}));
    EXPECT_GE(fenster.width(), 940);
}

TEST_P(AuswertungSchrift, FahrzeugansichtZeigtIhreZahlenGanz)
{
    anzeigen(fenster.RBFahrzeug);
    EXPECT_TRUE(spaltenFassenTexte(*fenster.SGFahrzeuge, {1, 2, 3, 4, 5, 6, 7}));
}

TEST_P(AuswertungSchrift, VorDemErstenAnzeigenIstKeinTextAbgeschnitten)
{
    EXPECT_TRUE(texteGanz(fenster));
}

INSTANTIATE_TEST_SUITE_P(Schriften, AuswertungSchrift, schriftfaelle(), schriftfallName);

// Widths and heights grow with the font; at the reference font they are the described ones
// (the other evaluation tests check those).
TEST(AuswertungSchriftgroesse, BreitereSchriftMachtDasFensterGroesser)
{
    const Schriftwahl schrift(breiteSchrift());
    TestDatabase db;
    Auswertungsdaten d;
    db.sitzung().setAktuellesFahrzeug(d.golf);
    TF_AuswertungMirel fenster{db.sitzung()};
    fenster.show();
    EXPECT_GT(fenster.width(), 750);
    EXPECT_GT(fenster.height(), 200);
    fenster.RBFahrten->setChecked(true);
    fenster.btAnzeigenClick();
    EXPECT_GT(fenster.height(), 556);
    EXPECT_GT(fenster.width(), 800);
    fenster.close();
}

} // namespace
