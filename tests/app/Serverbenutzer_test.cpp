#include "Befehlslauf.h"

#include "app/Befehle.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/SqlStatement.h"
#include "logbuch/Logbuch.h"
#include "platform/FakeVolumeSerial.h"
#include "support/CardFileBuilder.h"
#include "support/TestDatabase.h"
#include "support/Testserver.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

// A colleague on the same server: without rights told which one is missing, never offered a new
// logbook; with the rights "varno server benutzer" grants, able to take a card over.

namespace {

// A role of its own for each test: the cluster is thrown away after the run, its roles with it.
QString neueRolle(const QString& name)
{
    static int nummer = 0;
    const QString rolle = QStringLiteral("%1_%2_%3").arg(name).arg(QCoreApplication::applicationPid()).arg(++nummer);
    testserver::alsVerwalter(QStringLiteral("CREATE ROLE \"%1\" LOGIN").arg(rolle));
    return rolle;
}

class ServerbenutzerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!fuerTestOeffnen(db, Datenbankart::PostgreSQL))
            return;
        Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0, 5)));
        kollege = neueRolle(QStringLiteral("kollege"));
        eigentuemer = db->ort();
        alsKollege = QString(eigentuemer).replace(QStringLiteral("://varno@"), QStringLiteral("://%1@").arg(kollege));
        Database::schliessen();
    }
    void TearDown() override { Clock::reset(); }

    std::optional<TestDatabase> db;
    QString kollege;
    QString eigentuemer;
    QString alsKollege;
};

} // namespace

struct Rechtefall {
    const char* name;
    const char* gewaehrt; // statements the owner runs before the colleague opens the logbook
    const char* meldung;
};

class FehlendeRechte : public ServerbenutzerTest, public ::testing::WithParamInterface<Rechtefall> {};

TEST_P(FehlendeRechte, NennenDasRechtUndBietenKeinNeuesFahrtenbuchAn)
{
    if (IsSkipped())
        return;
    Logbuch::oeffnen(eigentuemer);
    for (const QString& anweisung : QString::fromUtf8(GetParam().gewaehrt).split(';', Qt::SkipEmptyParts))
        SqlStatement::direkt(anweisung.arg(kollege));
    Database::schliessen();
    try {
        Logbuch::oeffnen(alsKollege);
        FAIL() << "Ohne Rechte geöffnet";
    } catch (const Logbuch::LeereDatenbank&) {
        FAIL() << "Ein Fahrtenbuch ohne Rechte gilt als leer";
    } catch (const DatabaseError& fehler) {
        EXPECT_TRUE(fehler.message().contains(QString::fromUtf8(GetParam().meldung))) << fehler.message().toStdString();
        EXPECT_TRUE(fehler.message().contains(QStringLiteral("„varno server benutzer %1“").arg(kollege)));
    }
    EXPECT_FALSE(Database::isOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Rechte, FehlendeRechte,
    ::testing::Values(
        Rechtefall{"keine", "", "fehlt auf dem Datenbankserver das Recht USAGE auf Schema public"},
        Rechtefall{"nurSchema", "GRANT USAGE ON SCHEMA public TO %1", "das Recht DELETE auf Tabelle "},
        Rechtefall{"nurLesen",
                   "GRANT USAGE ON SCHEMA public TO %1;GRANT SELECT ON ALL TABLES IN SCHEMA public TO %1",
                   "das Recht DELETE auf Tabelle "},
        Rechtefall{"ohneSequenzen",
                   "GRANT USAGE ON SCHEMA public TO %1;"
                   "GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA public TO %1",
                   "das Recht SELECT auf Sequenz t_"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ServerbenutzerTest, EingerichteterKollegeUebernimmtEineKarte)
{
    if (IsSkipped())
        return;
    const Lauf einrichten = varno({"server", "benutzer", kollege, "--datenbank", eigentuemer});
    ASSERT_EQ(einrichten.code, Befehle::erfolg) << einrichten.fehler.toStdString();
    EXPECT_EQ(einrichten.aus,
              QStringLiteral("Der Benutzer „%1“ kann das Fahrtenbuch jetzt lesen und Fahrten speichern.\n").arg(kollege));

    Logbuch::oeffnen(alsKollege);
    build::fahrzeug({.kennzeichen = "HH-AB 123", .eingabeart = 1, .kfzId = 7});
    Database::schliessen();
    const QString karte = QDir(db->directory()).filePath(QStringLiteral("daten.txt"));
    CardFileBuilder().record(karte::fahrt(0, 10)).record(karte::fahrt(20, 12)).write(karte);
    const Lauf uebernahme = varno({"karte", "einlesen", karte, "--uebernehmen", "--datenbank", alsKollege},
                                  FakeVolumeSerial(QStringLiteral("2882343476")));
    ASSERT_EQ(uebernahme.code, Befehle::erfolg) << uebernahme.fehler.toStdString();

    Logbuch::oeffnen(eigentuemer);
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_basis")), 2);
    const Lauf pruefen = varno({"pruefen", "--datenbank", alsKollege});
    EXPECT_EQ(pruefen.code, 0) << pruefen.fehler.toStdString() << pruefen.aus.toStdString();
}

TEST_F(ServerbenutzerTest, UnbekannterBenutzerUndDateiWerdenAbgewiesen)
{
    if (IsSkipped())
        return;
    const Lauf unbekannt = varno({"server", "benutzer", "gibt_es_nicht", "--datenbank", eigentuemer});
    EXPECT_EQ(unbekannt.code, Befehle::fehlschlag);
    EXPECT_TRUE(unbekannt.fehler.contains(QStringLiteral("Den Benutzer „gibt_es_nicht“ gibt es auf dem "
                                                         "Datenbankserver nicht.")))
        << unbekannt.fehler.toStdString();
}

TEST_F(ServerbenutzerTest, EinNameWirdNieAlsSqlAusgefuehrt)
{
    if (IsSkipped())
        return;
    const QString name = neueRolle(QStringLiteral("x; DROP TABLE t_mirel; --"));
    const Lauf lauf = varno({"server", "benutzer", name, "--datenbank", eigentuemer});
    EXPECT_EQ(lauf.code, Befehle::erfolg) << lauf.fehler.toStdString();
    Logbuch::oeffnen(eigentuemer);
    EXPECT_NO_THROW(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL")));
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM information_schema.table_privileges "
                                                     "WHERE grantee = ? AND privilege_type = 'DELETE'"),
                                      {name}) > 0,
              true);
}
