#include "logbuch/Sitzung.h"
#include "support/TestDatabase.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(Sitzung, AktuellesFahrzeugMeldetJedeAenderungEinmal)
{
    Sitzung sitzung;
    QSignalSpy geaendert(&sitzung, &Sitzung::aktuellesFahrzeugGeaendert);
    sitzung.setAktuellesFahrzeug(3);
    sitzung.setAktuellesFahrzeug(3);
    sitzung.setAktuellesFahrzeug(5);
    EXPECT_EQ(sitzung.aktuellesFahrzeug(), 5);
    ASSERT_EQ(geaendert.count(), 2);
    EXPECT_EQ(geaendert.at(0).at(0).toInt(), 3);
    EXPECT_EQ(geaendert.at(1).at(0).toInt(), 5);
}

TEST(Sitzung, WaehrendDerFahrtenerfassungBleibtDasFahrzeug)
{
    Sitzung sitzung;
    sitzung.setAktuellesFahrzeug(3);
    sitzung.setFahrtenerfassungLaeuft(true);
    QSignalSpy geaendert(&sitzung, &Sitzung::aktuellesFahrzeugGeaendert);
    sitzung.setAktuellesFahrzeug(5);
    EXPECT_EQ(sitzung.aktuellesFahrzeug(), 3);
    EXPECT_EQ(geaendert.count(), 0);
    sitzung.setFahrtenerfassungLaeuft(false);
    sitzung.setAktuellesFahrzeug(5);
    EXPECT_EQ(sitzung.aktuellesFahrzeug(), 5);
}

TEST(Sitzung, FahrzeugeLadenListetDieOffenenFahrzeugeMitKilometerstand)
{
    TestDatabase db;
    const int golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf"), .anfKm = 1000});
    build::fahrt({.kfz = golf, .ab = QDateTime(QDate(2006, 1, 2), QTime(8, 0)),
                  .an = QDateTime(QDate(2006, 1, 2), QTime(9, 0)), .kmAb = 1000, .kmAn = 1042});
    Sitzung& sitzung = db.sitzung();
    sitzung.fahrzeugeLaden();
    ASSERT_EQ(sitzung.fahrzeuge().size(), 2u);
    const KFZEintrag* eintrag = sitzung.fahrzeug(golf);
    ASSERT_NE(eintrag, nullptr);
    EXPECT_EQ(eintrag->KZuFzg, QStringLiteral("B-XY 1, Golf"));
    EXPECT_EQ(eintrag->KmStand, 1042);
    EXPECT_EQ(sitzung.fahrzeug(1)->KmStand, 10000);
    EXPECT_EQ(sitzung.fahrzeug(golf + 1), nullptr);
}

TEST(Sitzung, FahrtenbuchAenderungWirdGemeldet)
{
    Sitzung sitzung;
    QSignalSpy geaendert(&sitzung, &Sitzung::fahrtenbuchGeaendert);
    sitzung.fahrtenbuchGeaendertMelden();
    EXPECT_EQ(geaendert.count(), 1);
}
