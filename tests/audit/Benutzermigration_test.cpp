#include "audit/Ankerdatei.h"
#include "audit/Fahrtenbuchpruefung.h"
#include "audit/Pruefbefehl.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/Kettenanhang.h"
#include "db/Schema.h"
#include "db/SqlStatement.h"
#include "support/TestDatabase.h"
#include "support/Testserver.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A logbook whose chains began before rows named who stored them moves to the new form in a
// numbered schema step: its rows keep their values, the step records the state before in the
// protocol, and a Prüfwert printed before still confirms that state. On a file and on a server.
namespace {

class Benutzermigration : public ::testing::TestWithParam<Datenbankart> {
protected:
    void SetUp() override
    {
        if (testserver::fehltFuer(GetParam()))
            GTEST_SKIP() << testserver::fehlt;
        Clock::setFixed(QDateTime(QDate(2006, 3, 10), QTime(12, 0)));
        if (GetParam() == Datenbankart::SQLite) {
            ort = QDir(verzeichnis.path()).filePath(QStringLiteral("varno.db"));
            QFile datei(ort);
            ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        } else {
            ort = testserver::leereDatenbank();
        }
        Database::openAsIs(ort, Database::Access::ReadWrite);
        Schema::create(3);
        // What the program of schema 3 stored: rows without a user.
        Transaction transaktion;
        Kettenanhang kette(Clock::now(), pruefkette::Form::OhneBenutzer);
        kette.anhaengen(Fahrtenbucheintrag{.kfz = 1,
                                           .abDat = QStringLiteral("2006-03-01 08:00:00"),
                                           .anDat = QStringLiteral("2006-03-01 09:00:00"),
                                           .kmAb = 1000,
                                           .kmAn = 1050,
                                           .art = 4,
                                           .zweck = 1});
        kette.protokollieren(Ereignis::FahrerUmbenannt, QStringLiteral("Fahrer Meier in Maier umbenannt."));
        kette.kopfSchreiben();
        transaktion.commit();
    }
    void TearDown() override
    {
        Database::close();
        Clock::reset();
        // The checks noted this logbook's states in the user's anchor file; the next test on the
        // same server database starts afresh.
        QFile::remove(Ankerdatei::benutzerdatei());
    }

    QTemporaryDir verzeichnis;
    QString ort;
};

QString letzterProtokolleintrag()
{
    SqlStatement s("SELECT Ereignis, Beschreibung, Benutzer FROM T_Protokoll WHERE ID = (SELECT MAX(ID) FROM "
                   "T_Protokoll)");
    s.exec();
    if (!s.next())
        return {};
    return s.text(QStringLiteral("Ereignis")) + QLatin1Char('|') + s.text(QStringLiteral("Beschreibung")) +
           QLatin1Char('|') + s.text(QStringLiteral("Benutzer"));
}

} // namespace

TEST_P(Benutzermigration, FrueherGedruckterPruefwertBestaetigtDenStandNachDerUmstellung)
{
    const Pruefergebnis vorher = fahrtenbuchpruefung::pruefen();
    ASSERT_TRUE(vorher.unveraendert()) << vorher.bericht().toStdString();
    const QString gedruckt = vorher.pruefwert();
    const QString frueherGedruckt = QString::fromLatin1(pruefkette::gesamtwert(vorher.koepfe).toHex().left(16));
    Database::close();

    Database::open(ort);
    EXPECT_EQ(Database::dialekt().schemaversion(), Schema::currentVersion);
    const QString benutzer = Database::dialekt().benutzer();
    EXPECT_FALSE(benutzer.isEmpty());
    const QString schritt = letzterProtokolleintrag();
    EXPECT_TRUE(schritt.startsWith(QStringLiteral("Prüfkette erweitert|Von nun an nennt jeder Eintrag, wer ihn "
                                                  "gespeichert hat. Stand davor laut den Vermerken der Prüfkette: "
                                                  "Prüfwert %1 (%2 Einträge; ")
                                       .arg(pruefkette::vollanzeige(pruefkette::gesamtwert(vorher.koepfe)))
                                       .arg(vorher.eintraege())))
        << schritt.toStdString();
    EXPECT_TRUE(letzterProtokolleintrag().endsWith(QLatin1Char('|') + benutzer));
    // Rows stored from now on name who stored them.
    protokollEintragen(Ereignis::FahrerGeloescht, QStringLiteral("Fahrer Maier gelöscht."));
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Protokoll WHERE Benutzer = ?", {benutzer}), 2);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE Benutzer IS NULL"), 2);
    const Pruefergebnis nachher = fahrtenbuchpruefung::pruefen();
    EXPECT_TRUE(nachher.unveraendert()) << nachher.bericht().toStdString();
    EXPECT_EQ(nachher.eintraege(), vorher.eintraege() + 2);
    Database::close();

    for (const QString& wert : {gedruckt, frueherGedruckt}) {
        const auto ergebnis = pruefbefehl::ausfuehren(ort, wert);
        EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::unveraendert) << ergebnis.text.toStdString();
        EXPECT_TRUE(ergebnis.text.contains(
            QStringLiteral("(%1 Einträge) ist unverändert in dieser Datei enthalten.").arg(vorher.eintraege())))
            << ergebnis.text.toStdString();
    }
}

// The auditor's script reads rows of either form (the chain's start has no user, later rows have
// one) and comes to the program's Prüfwert.
TEST(BenutzermigrationSkript, SkriptRechnetBeideFormenNach)
{
    TestDatabase db;
    protokollEintragen(Ereignis::FahrerGeloescht, QStringLiteral("Fahrer Maier gelöscht."));
    const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
    Database::close();
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral(VARNO_KETTENPRUEFUNG), db.file()});
    python.waitForFinished(60000);
    const QString aus = QString::fromUtf8(python.readAllStandardOutput());
    ASSERT_TRUE(ergebnis.unveraendert()) << ergebnis.bericht().toStdString();
    EXPECT_EQ(python.exitCode(), 0) << aus.toStdString();
    EXPECT_TRUE(aus.endsWith(ergebnis.bericht().section(QLatin1Char('\n'), -1) + QLatin1Char('\n')))
        << aus.toStdString() << ergebnis.bericht().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Datenbank, Benutzermigration,
                         ::testing::Values(Datenbankart::SQLite, Datenbankart::PostgreSQL), datenbankName);
