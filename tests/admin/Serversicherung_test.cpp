#include "admin/PruefsummenStore.h"
#include "admin/Ruecksicherung.h"
#include "admin/SicherungStore.h"
#include "common/VarnoError.h"
#include "db/Database.h"
#include "db/Dialekt.h"
#include "logbuch/schema/Schema.h"
#include "db/SqlStatement.h"
#include "platform/FileOperations.h"
#include "support/MerkpunktBuilder.h"
#include "support/Tabelleninhalt.h"
#include "support/TestDatabase.h"
#include "support/Testserver.h"
#include "logbuch/schema/Schemastand.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sqlite3.h>

namespace {

// A logbook with something in every table, texts that need care, and rows without times.
void fuellen()
{
    const int fahrer = build::fahrer(QStringLiteral("Öztürk"), QStringLiteral("zwei\nZeilen\tund Tab"));
    const int kfz = build::fahrzeug({.kennzeichen = QStringLiteral("K-CF 7"), .eingabeart = 1, .kfzId = 7});
    const int buero = build::ort(QStringLiteral("Büro"));
    const int kunde = build::ort(QStringLiteral("D'dorf \\ Kunde"));
    build::fahrt({.kfz = kfz,
                  .ab = QDateTime(QDate(2006, 3, 26), QTime(2, 30)),
                  .an = QDateTime(QDate(2006, 3, 26), QTime(3, 10)),
                  .kmAb = 1000,
                  .kmAn = 1040,
                  .start = buero,
                  .ziel = kunde,
                  .zweck = build::zweck(QStringLiteral("Besuch")),
                  .kategorie = build::kategorie(QStringLiteral("Standard")),
                  .fahrer = fahrer,
                  .bemerkung = QStringLiteral("Stau")});
    build::fahrt({.kfz = kfz, .kmAb = 1040, .kmAn = 1050, .start = kunde, .ziel = buero, .art = 2});
    build::rohfahrt({.startzeit = QDateTime(QDate(2006, 4, 1), QTime(7, 0)),
                     .startkm = 1050,
                     .kfzSchluessel = QStringLiteral("7 - K-CF 7"),
                     .ort = QStringLiteral("Lager")});
    build::rohfahrt({.startkm = 1060, .kfzSchluessel = QStringLiteral("7 - K-CF 7")});
    build::merkpunkt({.zeit = QDateTime(QDate(2006, 4, 1), QTime(7, 20)),
                      .km = 1055,
                      .kfzSchluessel = QStringLiteral("7 - K-CF 7")});
    build::merkpunkt({.km = 1056, .bemerkung = QStringLiteral("ohne Zeit"), .kfzSchluessel = QStringLiteral("7")});
    build::kartenfahrer(QStringLiteral("123456789"), fahrer);
    SqlStatement("INSERT INTO T_STAMMFAHRTEN (Von, Nach, KM, Zweck, Kategorie, Art) VALUES (?, ?, 40, 1, 1, 4)")
        .bind(buero)
        .bind(kunde)
        .exec();
}

QStringList zeilennummern()
{
    QStringList nummern;
    for (const QString& tabelle : {QStringLiteral("T_Merkpunkte"), QStringLiteral("T_STAMMFAHRTEN")}) {
        SqlStatement s(QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid").arg(tabelle));
        s.exec();
        while (s.next())
            nummern << tabelle + s.value(0).toString();
    }
    return nummern;
}

// Changes the backup file behind the program's back, as a damaged disk or a careless hand would.
QStringList ohneProtokollkopf(QStringList inhalt)
{
    inhalt.removeIf([](const QString& zeile) {
        return zeile.startsWith(QLatin1String("T_Pruefkette(kette,anzahl,kopf)|T_Protokoll|"));
    });
    return inhalt;
}

// The logbook's content as the backup held it: a restore adds its own protocol entry, which moves
// the protocol chain's head. Fails when that entry is missing.
QStringList ohneRuecksicherungsvermerk(QStringList inhalt)
{
    const qsizetype vorher = inhalt.size();
    inhalt.removeIf([](const QString& zeile) {
        return (zeile.startsWith(QLatin1String("T_Protokoll(")) && zeile.contains(QStringLiteral("|Rücksicherung|"))) ||
               zeile.startsWith(QLatin1String("T_Pruefkette(kette,anzahl,kopf)|T_Protokoll|"));
    });
    EXPECT_EQ(vorher - inhalt.size(), 2) << "kein Vermerk der Rücksicherung im Protokoll";
    return inhalt;
}

// Restoring over a logbook with entries the backup lacks is what these tests do on purpose.
bool zustimmen(const QString&)
{
    return true;
}

void sqliteAendern(const QString& datei, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(datei).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

class Serversicherung : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!testserver::adresse())
            GTEST_SKIP() << testserver::fehlt;
    }

    // A backup of a file logbook filled by `fuellen`, and what that logbook held.
    QStringList dateisicherung()
    {
        TestDatabase datei(Datenbankart::SQLite);
        fuellen();
        SicherungStore::sichern(sicherung, FileOperations::system());
        return tabelleninhalt();
    }

    QTemporaryDir ordner;
    const QString sicherung = ordner.filePath(QStringLiteral("20060601_100005.sav"));
};

} // namespace

TEST_F(Serversicherung, SicherungVomServerIstEineDateiWieJedeAndere)
{
    QStringList server;
    QStringList nummern;
    {
        TestDatabase db(Datenbankart::PostgreSQL);
        fuellen();
        server = tabelleninhalt();
        nummern = zeilennummern();
        SicherungStore::sichern(sicherung, FileOperations::system());
    }
    EXPECT_EQ(SicherungStore::ruecksicherungsMangel(sicherung), std::nullopt);

    TestDatabase datei(Datenbankart::SQLite);
    Ruecksicherung(FileOperations::system()).zuruecksichern(sicherung, datei.file(), zustimmen);
    EXPECT_EQ(ohneRuecksicherungsvermerk(tabelleninhalt()), ohneProtokollkopf(server));
    EXPECT_EQ(zeilennummern(), nummern);
    EXPECT_EQ(schemastand::lesen(), Schema::currentVersion);
}

TEST_F(Serversicherung, RuecksicherungErsetztDenInhaltDesServers)
{
    const QStringList datei = dateisicherung();
    TestDatabase db(Datenbankart::PostgreSQL);
    build::ort(QStringLiteral("verschwindet"));

    Ruecksicherung(FileOperations::system()).zuruecksichern(sicherung, db.ort(), zustimmen);

    EXPECT_EQ(ohneRuecksicherungsvermerk(tabelleninhalt()), ohneProtokollkopf(datei));
    EXPECT_EQ(Database::ort(), db.ort());
    // New rows get keys after the restored ones.
    EXPECT_EQ(build::ort(QStringLiteral("Neu")), 3);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_STAMMFAHRTEN"), 1);
    SqlStatement("INSERT INTO T_Merkpunkte (KM) VALUES (1)").exec();
    EXPECT_EQ(SqlStatement::scalarInt("SELECT MAX(rowid) FROM T_Merkpunkte"), 3);
}

TEST_F(Serversicherung, VeraenderteSicherungLaesstDenServerUnberuehrt)
{
    dateisicherung();
    sqliteAendern(sicherung, "UPDATE T_MIREL SET km_an = 9999 WHERE km_an = 1040");
    TestDatabase db(Datenbankart::PostgreSQL);
    const QStringList vorher = tabelleninhalt();
    try {
        Ruecksicherung(FileOperations::system()).zuruecksichern(sicherung, db.ort(), zustimmen);
        FAIL() << "zurückgesichert";
    } catch (const VarnoError& fehler) {
        EXPECT_EQ(fehler.message(), QStringLiteral("Der Inhalt der Sicherung stimmt nicht mit ihrer Prüfsumme überein: "
                                                   "die Datei wurde nach dem Sichern verändert oder beschädigt."));
    }
    EXPECT_EQ(tabelleninhalt(), vorher);
}

TEST_F(Serversicherung, ScheiternMittenImEinspielenLaesstDenServerUnberuehrt)
{
    {
        TestDatabase datei(Datenbankart::SQLite);
        SqlStatement::direkt(QStringLiteral("DROP INDEX UX_basis_Fahrt"));
        for (int i = 0; i < 2; ++i)
            build::rohfahrt({.startzeit = QDateTime(QDate(2006, 4, 1), QTime(7, 0)),
                             .startkm = 1000 + i,
                             .kfzSchluessel = QStringLiteral("7 - K-CF 7")});
        SicherungStore::sichern(sicherung, FileOperations::system());
    }
    TestDatabase db(Datenbankart::PostgreSQL);
    fuellen();
    const QStringList vorher = tabelleninhalt();
    EXPECT_THROW(Ruecksicherung(FileOperations::system()).zuruecksichern(sicherung, db.ort(), zustimmen), VarnoError);
    EXPECT_EQ(tabelleninhalt(), vorher);
}

TEST_F(Serversicherung, AbgelehnterVerlustLaesstDenServerUnberuehrt)
{
    {
        TestDatabase datei(Datenbankart::SQLite);
        SicherungStore::sichern(sicherung, FileOperations::system());
    }
    TestDatabase db(Datenbankart::PostgreSQL);
    fuellen();
    const QStringList vorher = tabelleninhalt();
    QString gefragt;
    const bool zurueckgesichert = Ruecksicherung(FileOperations::system())
                                      .zuruecksichern(sicherung, db.ort(), [&gefragt](const QString& frage) {
                                          gefragt = frage;
                                          return false;
                                      });
    EXPECT_FALSE(zurueckgesichert);
    EXPECT_TRUE(gefragt.startsWith(QStringLiteral("Das Fahrtenbuch enthält "))) << gefragt.toStdString();
    EXPECT_EQ(tabelleninhalt(), vorher);
}

TEST_F(Serversicherung, SicherungEinesAelterenSchemasWirdBeimEinspielenNachgezogen)
{
    QStringList datei;
    {
        TestDatabase alt(Datenbankart::SQLite);
        fuellen();
        datei = tabelleninhalt();
        SicherungStore::sichern(sicherung, FileOperations::system());
    }
    sqliteAendern(sicherung, "DROP INDEX UX_basis_Fahrt; PRAGMA user_version = 2");
    PruefsummenStore::eintragen(sicherung);
    TestDatabase db(Datenbankart::PostgreSQL);

    Ruecksicherung(FileOperations::system()).zuruecksichern(sicherung, db.ort(), zustimmen);

    // The later schema steps ran on the backup; the steps that record who stores and the names a
    // trip prints note themselves.
    QStringList inhalt = tabelleninhalt();
    EXPECT_EQ(
        inhalt.removeIf([](const QString& zeile) { return zeile.contains(QStringLiteral("|Prüfkette erweitert|")); }),
        2);
    EXPECT_EQ(ohneRuecksicherungsvermerk(inhalt), ohneProtokollkopf(datei));
    EXPECT_EQ(schemastand::lesen(), Schema::currentVersion);
    EXPECT_THROW(build::rohfahrt({.startzeit = QDateTime(QDate(2006, 4, 1), QTime(7, 0)),
                                  .kfzSchluessel = QStringLiteral("7 - K-CF 7")}),
                 DoppelterEintrag);
}
