#include "card/ui/TF_Speicherkarte.h"
#include "card/ui/TF_Varno_V_OK.h"
#include "common/Clock.h"
#include "platform/FakeVolumeSerial.h"
#include "support/CardFileBuilder.h"
#include "support/FakeRemovableMedia.h"
#include "support/MerkpunktBuilder.h"
#include "support/TestDatabase.h"
#include "support/ui/Fensterhilfen.h"
#include "support/ui/Schriften.h"

#include <QDir>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

const QString karteId = QStringLiteral("2882343476");

// The card windows at the platform's font and at a wider one, with odometer readings of seven
// digits and a data file deep in a folder.
class Kartenschrift : public MitSchriftfall, public ::testing::Test {
protected:
    Kartenschrift()
    {
        Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0, 5)));
        build::fahrzeug({.kennzeichen = "HH-AB 123", .eingabeart = 1, .kfzId = 7});
        build::kartenfahrer(karteId, build::fahrer(QStringLiteral("Meier")));
        EXPECT_TRUE(QDir(db.directory()).mkpath(ordner));
    }
    ~Kartenschrift() override { Clock::reset(); }

    QString karte() const
    {
        const cardfile::CardRecord fahrt{.startTime = at(2005, 3, 14, 8, 10, 30),
                                         .startKm = 1234567,
                                         .endTime = at(2005, 3, 14, 9, 20, 10),
                                         .endKm = 1234599,
                                         .vehicleNumber = 7,
                                         .kind = "G",
                                         .place = "Werk 2",
                                         .reason = "Lieferung",
                                         .category = "Dienstfahrt"};
        const QString pfad = db.directory() + QLatin1Char('/') + ordner + QStringLiteral("/daten.txt");
        CardFileBuilder().record(fahrt).waypoint(at(2005, 3, 14, 9, 30, 5), 1234599, 7).freeBlock().write(pfad);
        return pfad;
    }

    TestDatabase db;
    const QString ordner = QStringLiteral("Wechseldatenträger/Speicherkarte des Golf/Fahrtenbuch");
};

TEST_P(Kartenschrift, EinleseListenZeigenZeitenKilometerUndArtGanz)
{
    TF_Varno_V_OK fenster{std::make_unique<FakeVolumeSerial>(karteId)};
    fenster.einlesen(karte());
    ASSERT_EQ(fenster.StringGrid1->model()->rowCount(), 1);
    EXPECT_TRUE(spaltenFassenTexte(*fenster.StringGrid1, {0, 1, 2, 3, 5, 6}));
    ASSERT_EQ(fenster.SGMerkPunkte->model()->rowCount(), 1);
    EXPECT_TRUE(spaltenFassenTexte(*fenster.SGMerkPunkte, {0, 1}));
}

TEST_P(Kartenschrift, GesperrterPfadZeigtSeinenAnfang)
{
    TF_Varno_V_OK fenster{std::make_unique<FakeVolumeSerial>(karteId)};
    fenster.show();
    fenster.einlesen(karte());
    QLineEdit* pfad = fenster.EPfad;
    ASSERT_FALSE(pfad->isEnabled());
    ASSERT_TRUE(pfad->text().endsWith(QStringLiteral("daten.txt")));
    EXPECT_TRUE(zeigtAnfang(*pfad));
    fenster.hide();
}

TEST_P(Kartenschrift, KartenuebersichtZeigtDatumUndZeitGanz)
{
    build::rohfahrt({.cfid = QStringLiteral("111"),
                     .einlesedat = QDateTime(QDate(2006, 3, 5), QTime(18, 0)),
                     .zielzeit = QDateTime(QDate(2006, 3, 4), QTime(8, 0)),
                     .kfzSchluessel = QStringLiteral("7 - HH-AB 123")});
    TF_Speicherkarte fenster{std::make_unique<FakeRemovableMedia>()};
    fenster.FormActivate();
    ASSERT_EQ(fenster.SgUebersicht->rowCount(), 1);
    EXPECT_TRUE(spaltenFassenTexte(*fenster.SgUebersicht, {3, 4}));
}

INSTANTIATE_TEST_SUITE_P(Schriften, Kartenschrift, schriftfaelle(), schriftfallName);

} // namespace
