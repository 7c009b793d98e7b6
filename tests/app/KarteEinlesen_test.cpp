#include "app/Befehle.h"
#include "card/ui/TF_Varno_V_OK.h"
#include "common/Clock.h"
#include "db/SqlStatement.h"
#include "platform/FakeVolumeSerial.h"
#include "support/CardFileBuilder.h"
#include "support/Spaltenwerte.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>

using cardfile::CardRecord;

namespace {

const QString karteId = QStringLiteral("2882343476");

using karte::fahrt;

QStringList rohfahrten()
{
    return spalte("SELECT CFID || '|' || Einlesedat || '|' || Startzeit || '|' || Startkm || '|' || "
                  "COALESCE(Zielzeit, '') || '|' || Zielkm || '|' || KFZid || '|' || CF || '|' || Art || '|' || "
                  "Ort || '|' || Grund || '|' || Kat || '|' || bearbeitet FROM T_basis ORDER BY ID");
}

QStringList merkpunkte()
{
    return spalte("SELECT Zeit || '|' || KM || '|' || COALESCE(Bemerkung, '') || '|' || Fahrer || '|' || KFZ "
                  "FROM T_Merkpunkte ORDER BY rowid");
}

class KarteEinlesenTest : public ::testing::Test {
protected:
    KarteEinlesenTest()
    {
        Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0, 5)));
        build::fahrzeug({.kennzeichen = "HH-AB 123", .eingabeart = 1, .kfzId = 7});
        SqlStatement("INSERT INTO T_CF (CF, Fahrer) VALUES (?, ?)").bind(karteId).bind(build::fahrer("Meier")).exec();
    }
    ~KarteEinlesenTest() override { Clock::reset(); }

    struct Lauf {
        int code = -1;
        QString aus;
        QString fehler;
    };

    Lauf einlesen(QStringList argumente)
    {
        Lauf lauf;
        QTextStream aus(&lauf.aus);
        QTextStream fehler(&lauf.fehler);
        lauf.code = Befehle(aus, fehler, kennung).ausfuehren(QStringList{"karte", "einlesen"} + argumente);
        aus.flush();
        fehler.flush();
        return lauf;
    }

    // Three trips (the second of 225 km/h, so red) and two waypoints: five blocks.
    QString karte(const QString& name)
    {
        CardRecord zuSchnell = fahrt(10, 150);
        zuSchnell.endTime = at(2005, 3, 14, 8, 50, 30);
        CardRecord ohneCf = fahrt(20, 12);
        ohneCf.status = 1;
        const QString pfad = QDir(db.directory()).filePath(name);
        CardFileBuilder()
            .record(fahrt(0, 10))
            .waypoint(at(2005, 3, 14, 9, 0, 5), 45220, 7)
            .record(zuSchnell)
            .continuation(ohneCf)
            .waypoint(at(2005, 3, 14, 11, 0), 45242, 7)
            .freeBlock()
            .write(pfad);
        return pfad;
    }

    TestDatabase db;
    FakeVolumeSerial kennung{karteId};
};

} // namespace

TEST_F(KarteEinlesenTest, ZeigtDieFahrtenMitDemPruefergebnisUndAendertNichts)
{
    const QString pfad = karte("daten.txt");
    const auto vorher = readAllBytes(pfad);

    const Lauf lauf = einlesen({pfad});

    ASSERT_EQ(lauf.code, Befehle::erfolg) << lauf.fehler.toStdString();
    const QStringList zeilen = lauf.aus.split(QLatin1Char('\n'));
    EXPECT_EQ(zeilen.value(0), "Datendatei: " + pfad);
    EXPECT_EQ(zeilen.value(1), "Kennung der Karte: " + karteId);
    EXPECT_EQ(zeilen.value(2), QStringLiteral("3 Fahrten, davon 2 vollständig und nachvollziehbar; 2 Merkpunkte"));
    EXPECT_TRUE(zeilen.value(4).startsWith(QStringLiteral("Startzeit"))) << lauf.aus.toStdString();
    EXPECT_TRUE(zeilen.value(4).endsWith(QStringLiteral("Prüfung")));
    EXPECT_TRUE(zeilen.value(5).startsWith(QStringLiteral("14.03.2005 08:00:30  45210")));
    EXPECT_TRUE(zeilen.value(5).endsWith(QStringLiteral("vollständig und nachvollziehbar")));
    EXPECT_TRUE(zeilen.value(6).endsWith(QStringLiteral("vermutlich unnötig oder unrealistisch")));
    EXPECT_TRUE(lauf.aus.contains(QStringLiteral("14.03.2005 11:00:00  45242")));
    EXPECT_TRUE(rohfahrten().isEmpty());
    EXPECT_EQ(readAllBytes(pfad), vorher);
}

// The command line and the window take the same card over into the same rows and erase it alike.
TEST_F(KarteEinlesenTest, UebernehmenSpeichertDieselbenZeilenWieDasFenster)
{
    const QString imFenster = karte("fenster.txt");
    {
        TF_Varno_V_OK fenster(std::make_unique<FakeVolumeSerial>(karteId));
        fenster.einlesen(imFenster);
        fenster.BtSpeichernClick();
        fenster.close();
    }
    const QStringList fahrtenDesFensters = rohfahrten();
    const QStringList merkpunkteDesFensters = merkpunkte();
    ASSERT_EQ(fahrtenDesFensters.size(), 2);
    ASSERT_EQ(merkpunkteDesFensters.size(), 2);
    SqlStatement("DELETE FROM T_basis").exec();
    SqlStatement("DELETE FROM T_Merkpunkte").exec();
    const QString mitBefehl = karte("befehl.txt");

    const Lauf lauf = einlesen({mitBefehl, "--uebernehmen"});

    ASSERT_EQ(lauf.code, Befehle::erfolg) << lauf.fehler.toStdString();
    EXPECT_TRUE(lauf.aus.endsWith(
        QStringLiteral("Übernommen: 2 Fahrten und 2 Merkpunkte; 5 Datensätze auf der Speicherkarte gelöscht.\n")));
    EXPECT_EQ(rohfahrten(), fahrtenDesFensters);
    EXPECT_EQ(merkpunkte(), merkpunkteDesFensters);
    EXPECT_EQ(readAllBytes(mitBefehl), readAllBytes(imFenster));
}

TEST_F(KarteEinlesenTest, KennungPerOptionWennDasSystemKeineKennt)
{
    kennung.setIdentifier(std::nullopt);
    const QString pfad = karte("daten.txt");

    const Lauf ohne = einlesen({pfad, "--uebernehmen"});
    EXPECT_EQ(ohne.code, Befehle::fehlschlag);
    EXPECT_EQ(ohne.fehler, QStringLiteral("varno karte einlesen: Die Kennung der Speicherkarte ist nicht zu ermitteln; "
                                          "geben Sie sie mit --kennung an. Nichts wurde übernommen.\n"));
    EXPECT_TRUE(rohfahrten().isEmpty());

    const Lauf mit = einlesen({pfad, "--uebernehmen", "--kennung", "4711"});
    ASSERT_EQ(mit.code, Befehle::erfolg) << mit.fehler.toStdString();
    EXPECT_EQ(spalte("SELECT DISTINCT CFID FROM T_basis"), QStringList{"4711"});
    EXPECT_EQ(spalte("SELECT DISTINCT Fahrer FROM T_Merkpunkte"), QStringList{"4711"});
}

TEST_F(KarteEinlesenTest, UnbekanntesFahrzeugWirdGenanntUndNichtsUebernommen)
{
    const QString pfad = QDir(db.directory()).filePath("daten.txt");
    CardFileBuilder()
        .record(fahrt(0, 10))
        .record(fahrt(30, 10, "Werk 2", 9))
        .record(fahrt(40, 10, "Werk 2", 8))
        .freeBlock()
        .write(pfad);
    const auto vorher = readAllBytes(pfad);

    const Lauf nurLesen = einlesen({pfad});
    EXPECT_EQ(nurLesen.code, Befehle::erfolg);
    EXPECT_TRUE(nurLesen.aus.contains(QStringLiteral("9 - (nicht angelegt)")));

    const Lauf lauf = einlesen({pfad, "--uebernehmen"});

    EXPECT_EQ(lauf.code, Befehle::fehlschlag);
    EXPECT_EQ(lauf.fehler, QStringLiteral("varno karte einlesen: Die Fahrzeuge mit den KFZ-IDs 8, 9 sind nicht "
                                          "angelegt; nichts wurde übernommen.\n"));
    EXPECT_TRUE(rohfahrten().isEmpty());
    EXPECT_EQ(spalte("SELECT COUNT(*) FROM T_KFZ"), QStringList{"2"});
    EXPECT_EQ(readAllBytes(pfad), vorher);
}

TEST_F(KarteEinlesenTest, DatenbankfehlerLaesstDatenbankUndKarteUnveraendert)
{
    const QString pfad = karte("daten.txt");
    const auto vorher = readAllBytes(pfad);
    SqlStatement("CREATE TRIGGER kaputt BEFORE INSERT ON T_basis WHEN NEW.Startkm = 45230 "
                 "BEGIN SELECT RAISE(ABORT, 'Platte voll'); END")
        .exec();

    const Lauf lauf = einlesen({pfad, "--uebernehmen"});

    EXPECT_EQ(lauf.code, Befehle::fehlschlag);
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("Platte voll"))) << lauf.fehler.toStdString();
    EXPECT_EQ(lauf.fehler.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(rohfahrten().isEmpty());
    EXPECT_TRUE(merkpunkte().isEmpty());
    EXPECT_EQ(readAllBytes(pfad), vorher);
}

TEST_F(KarteEinlesenTest, KeineDatendateiWirdAbgewiesen)
{
    const QString pfad = QDir(db.directory()).filePath("notiz.txt");
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("Einkaufsliste");
    datei.close();

    const Lauf lauf = einlesen({pfad, "--uebernehmen"});

    EXPECT_EQ(lauf.code, Befehle::fehlschlag);
    EXPECT_EQ(lauf.fehler, QStringLiteral("varno karte einlesen: keine Varno Datendatei: %1\n").arg(pfad));
}
