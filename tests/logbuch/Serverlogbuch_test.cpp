#include "common/Clock.h"
#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/Dialekt.h"
#include "logbuch/Logbuch.h"
#include "logbuch/schema/Schema.h"
#include "db/Serveranmeldung.h"
#include "db/SqlStatement.h"
#include "logbuch/Fahrzeuganlage.h"
#include "support/ScriptedPrompts.h"
#include "support/Tabelleninhalt.h"
#include "support/TestDatabase.h"
#include "support/Servertest.h"
#include "support/Testserver.h"
#include "logbuch/schema/Schemastand.h"

#include <gtest/gtest.h>

namespace {

class Serverlogbuch : public Servertest<> {};

} // namespace

TEST_F(Serverlogbuch, GleichtEinemNeuenDateilogbuch)
{
    // Both logbooks begin their chains at the same time, even across a second's boundary.
    Clock::setFixed(QDateTime(QDate(2006, 3, 10), QTime(12, 0)));
    QStringList datei;
    {
        TestDatabase db(Datenbankart::SQLite);
        datei = tabelleninhalt();
    }
    TestDatabase db(Datenbankart::PostgreSQL);
    Clock::reset();
    EXPECT_EQ(tabelleninhalt(), datei);
    EXPECT_EQ(schemastand::lesen(), Schema::currentVersion);
    EXPECT_TRUE(ScriptedPrompts::get().shown().empty()) << "ein Server, der allen traut, fragt nach keinem Passwort";
}

TEST_F(Serverlogbuch, NeueZeilenBekommenSchluesselHinterDenGeliefertenZeilen)
{
    TestDatabase db(Datenbankart::PostgreSQL);
    EXPECT_EQ(fahrzeuganlage::anlegen(
                  {.kennzeichen = QStringLiteral("B-AB 2, Polo"), .start = QDateTime(QDate(2006, 2, 1), QTime(0, 0))}),
              2);
    EXPECT_EQ(build::zweck(QStringLiteral("Kundenbesuch")), 2);
}

TEST_F(Serverlogbuch, LeereDatenbankWirdBeimOeffnenNichtStillAngelegt)
{
    const QString adresse = testserver::leereDatenbank();
    EXPECT_THROW(Logbuch::oeffnen(adresse), Logbuch::LeereDatenbank);
    EXPECT_FALSE(Database::isOpen());

    Logbuch::anlegen(adresse);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_KFZ"), 1);
    Database::schliessen();
    Logbuch::oeffnen(adresse);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Optionen"), 1);
}

TEST_F(Serverlogbuch, NeuesLogbuchNurInEinerLeerenDatenbank)
{
    TestDatabase db(Datenbankart::PostgreSQL);
    build::ort(QStringLiteral("Büro"));
    Database::schliessen();
    try {
        Logbuch::anlegen(db.ort());
        FAIL() << "über ein vorhandenes Fahrtenbuch angelegt";
    } catch (const DatabaseError& fehler) {
        EXPECT_TRUE(fehler.message().contains(QStringLiteral("ist nicht leer"))) << fehler.message().toStdString();
    }
    Logbuch::oeffnen(db.ort());
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_ORTE"), 1);
}

TEST_F(Serverlogbuch, NeuereSchemaversionWirdAbgelehnt)
{
    TestDatabase db(Datenbankart::PostgreSQL);
    schemastand::setzen(Schema::currentVersion + 1);
    Database::schliessen();
    EXPECT_THROW(Logbuch::oeffnen(db.ort()), DatabaseError);
    EXPECT_FALSE(Database::isOpen());
}

TEST_F(Serverlogbuch, FragtNachDemPasswortBisEsPasst)
{
    const QString adresse = testserver::passwortAdresse();
    ScriptedPrompts::get().answerInput(QStringLiteral("falsch"));
    ScriptedPrompts::get().answerInput(QStringLiteral("geheim"));
    // Logged in: the empty database is what stops the opening.
    EXPECT_THROW(Logbuch::oeffnen(adresse), Logbuch::LeereDatenbank);

    const auto& gezeigt = ScriptedPrompts::get().shown();
    ASSERT_EQ(gezeigt.size(), 2U);
    EXPECT_EQ(gezeigt[0].kind, QStringLiteral("password"));
    EXPECT_EQ(gezeigt[0].title, QStringLiteral("Anmeldung am Datenbankserver"));
    EXPECT_TRUE(gezeigt[0].text.startsWith(QStringLiteral("Passwort für varno_passwort an der Datenbank varno_test_")));
    EXPECT_TRUE(gezeigt[1].text.startsWith(QStringLiteral("Das Passwort wurde abgelehnt.\n")));
}

TEST_F(Serverlogbuch, AbgebrocheneAnmeldungOeffnetNichts)
{
    const QString adresse = testserver::passwortAdresse();
    ScriptedPrompts::get().answerInput(std::nullopt);
    try {
        Logbuch::oeffnen(adresse);
        FAIL() << "ohne Passwort angemeldet";
    } catch (const DatabaseError& fehler) {
        EXPECT_EQ(fehler.message(), QStringLiteral("Die Anmeldung am Datenbankserver wurde abgebrochen."));
    }
    EXPECT_FALSE(Database::isOpen());
}

TEST_F(Serverlogbuch, UnerreichbarerServerWirdAufDeutschGemeldet)
{
    try {
        Logbuch::oeffnen(QStringLiteral("postgresql://varno@127.0.0.1:1/varno"));
        FAIL() << "verbunden";
    } catch (const DatabaseError& fehler) {
        EXPECT_TRUE(fehler.message().startsWith(QStringLiteral(
            "Die Verbindung zum Datenbankserver postgresql://varno@127.0.0.1:1/varno ist nicht möglich:")))
            << fehler.message().toStdString();
    }
    EXPECT_FALSE(Database::isOpen());
}

TEST_F(Serverlogbuch, AbgerisseneVerbindungWirdGemeldetUndBeimNaechstenVersuchErneuert)
{
    TestDatabase db(Datenbankart::PostgreSQL);
    const int sitzung = SqlStatement::scalarInt("SELECT pg_backend_pid()");
    testserver::alsVerwalter(QStringLiteral("SELECT pg_terminate_backend(%1)").arg(sitzung));

    const NeuesFahrzeug neu{.kennzeichen = QStringLiteral("B-NEU 1"),
                                  .start = QDateTime(QDate(2006, 2, 1), QTime(0, 0))};
    try {
        fahrzeuganlage::anlegen(neu);
        FAIL() << "trotz abgerissener Verbindung gespeichert";
    } catch (const DatabaseError& fehler) {
        EXPECT_EQ(fehler.message(), QStringLiteral("Die Verbindung zum Datenbankserver ist abgerissen; es wurde nichts "
                                                   "gespeichert. Bitte versuchen Sie es noch einmal, sobald der Server "
                                                   "wieder erreichbar ist."));
    }
    EXPECT_EQ(fahrzeuganlage::anlegen(neu), 2);
    EXPECT_NE(SqlStatement::scalarInt("SELECT pg_backend_pid()"), sitzung);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE KFZ = 2"), 1);
}

TEST_F(Serverlogbuch, PasswortWirdImLaufNurEinmalGefragt)
{
    const QString adresse = testserver::passwortAdresse();
    ScriptedPrompts::get().answerInput(QStringLiteral("geheim"));
    EXPECT_THROW(Logbuch::oeffnen(adresse), Logbuch::LeereDatenbank);
    // A new logbook right after finding the database empty logs in again without asking.
    EXPECT_THROW(Logbuch::anlegen(adresse), DatabaseError); // no right to create tables there
    EXPECT_EQ(ScriptedPrompts::get().shown().size(), 1U);
}
