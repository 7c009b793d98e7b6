#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/Servermeldung.h"
#include "db/SqlStatement.h"
#include "support/TestDatabase.h"
#include "support/Testserver.h"

#include <QFile>
#include <functional>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <unistd.h>

// Every refusal of the server reaches the user as one German sentence with its cause.

namespace {

struct Meldungsfall {
    const char* name;
    const char* sqlstate;
    const char* englisch;
    const char* deutsch;
};

class ServermeldungFaelle : public ::testing::TestWithParam<Meldungsfall> {};

} // namespace

TEST_P(ServermeldungFaelle, EinDeutscherSatzMitUrsache)
{
    const Meldungsfall& fall = GetParam();
    const QString text =
        servermeldung::fehler(QString::fromLatin1(fall.sqlstate), QString::fromUtf8(fall.englisch));
    EXPECT_TRUE(text.startsWith(QString::fromUtf8(fall.deutsch))) << text.toStdString();
    EXPECT_FALSE(text.contains(QLatin1String("FATAL")) || text.contains(QLatin1String("ERROR")))
        << text.toStdString();
    EXPECT_EQ(text.count(QLatin1Char('\n')), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Zustaende, ServermeldungFaelle,
    ::testing::Values(
        Meldungsfall{"serverHerunterGefahren", "57P01", "terminating connection due to administrator command",
                     "Der Datenbankserver hat die Verbindung beendet"},
        Meldungsfall{"ohneCodeVomVerwalterGetrennt", "",
                     "FATAL:  terminating connection due to administrator command\nserver closed the connection",
                     "Der Datenbankserver hat die Verbindung beendet"},
        Meldungsfall{"verbindungWeg", "", "server closed the connection unexpectedly",
                     "Die Verbindung zum Datenbankserver ist abgerissen."},
        Meldungsfall{"verbindungsklasse", "08006", "connection failure",
                     "Die Verbindung zum Datenbankserver ist abgerissen."},
        Meldungsfall{"tabellenrecht", "42501", "permission denied for table t_basis",
                     "Dem Benutzer fehlt auf dem Datenbankserver ein Recht für die Tabelle t_basis."},
        Meldungsfall{"sequenzrecht", "42501", "permission denied for sequence t_basis_id_seq",
                     "Dem Benutzer fehlt auf dem Datenbankserver ein Recht für die Sequenz t_basis_id_seq."},
        Meldungsfall{"sperrfrist", "55P03", "canceling statement due to lock timeout",
                     "Ein anderer Benutzer hält die Daten gesperrt"},
        Meldungsfall{"plattenVoll", "53100", "could not extend file: No space left on device",
                     "Auf dem Datenbankserver ist kein Speicherplatz mehr frei."},
        Meldungsfall{"doppelterSchluessel", "23505", "duplicate key value violates unique constraint",
                     "Ein Eintrag mit demselben Schlüssel ist bereits gespeichert."},
        Meldungsfall{"verklemmung", "40P01", "deadlock detected", "Ein anderer Benutzer hat gleichzeitig gespeichert"},
        Meldungsfall{"unbekannt", "22012", "division by zero",
                     "Der Datenbankserver hat die Anweisung abgelehnt: division by zero"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Servermeldung, VerbindungsfehlerNennenDieUrsache)
{
    EXPECT_EQ(servermeldung::verbindungsfehler(QStringLiteral(
                  "connection to server at \"127.0.0.1\", port 1 failed: Connection refused\n\tIs the server running")),
              QStringLiteral("Der Datenbankserver ist nicht erreichbar: der Server nimmt dort keine Verbindungen an "
                             "(läuft er, stimmt der Port?)."));
    EXPECT_EQ(servermeldung::verbindungsfehler(QStringLiteral("FATAL:  database \"x\" does not exist")),
              QStringLiteral("Der Datenbankserver ist nicht erreichbar: die Datenbank oder der Benutzer ist dort "
                             "nicht angelegt."));
}

namespace {

// What the process writes to its standard error while `tun` runs.
QByteArray fehlerausgabe(const std::function<void()>& tun)
{
    QTemporaryFile datei;
    EXPECT_TRUE(datei.open());
    std::fflush(stderr);
    const int vorher = ::dup(STDERR_FILENO);
    ::dup2(datei.handle(), STDERR_FILENO);
    tun();
    std::fflush(stderr);
    ::dup2(vorher, STDERR_FILENO);
    ::close(vorher);
    QFile gelesen(datei.fileName());
    gelesen.open(QIODevice::ReadOnly);
    return gelesen.readAll();
}

} // namespace

TEST(Servermeldung, HinweiseDesServersErreichenDieFehlerausgabeNicht)
{
    std::optional<TestDatabase> db;
    if (!fuerTestOeffnen(db, Datenbankart::PostgreSQL))
        return;
    const QByteArray ausgabe = fehlerausgabe([] {
        // A WARNING from the server: there is no transaction in progress.
        SqlStatement::direkt(QStringLiteral("COMMIT"));
        SqlStatement::direkt(QStringLiteral("DO $$ BEGIN RAISE WARNING 'an english warning'; END $$"));
    });
    EXPECT_FALSE(ausgabe.contains("WARNING")) << ausgabe.toStdString();
    EXPECT_FALSE(ausgabe.contains("english")) << ausgabe.toStdString();
}

TEST(Servermeldung, FehlendesRechtAufDemServerIstDeutsch)
{
    std::optional<TestDatabase> db;
    if (!fuerTestOeffnen(db, Datenbankart::PostgreSQL))
        return;
    SqlStatement::direkt(QStringLiteral("CREATE TABLE fremd (x INTEGER)"));
    SqlStatement::direkt(QStringLiteral("GRANT USAGE ON SCHEMA public TO pg_monitor"));
    SqlStatement::direkt(QStringLiteral("SET ROLE pg_monitor"));
    try {
        SqlStatement(QStringLiteral("SELECT x FROM fremd")).exec();
        FAIL() << "gelesen";
    } catch (const DatabaseError& fehler) {
        EXPECT_TRUE(fehler.message().startsWith(
            QStringLiteral("Dem Benutzer fehlt auf dem Datenbankserver ein Recht für die Tabelle fremd.")))
            << fehler.message().toStdString();
    }
    SqlStatement::direkt(QStringLiteral("RESET ROLE"));
}
