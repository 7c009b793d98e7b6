#include "audit/Fahrtenbuchpruefung.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

// Whoever can write the database can also add a trigger that changes every trip before its chain
// value is taken, or a table or view that poses as the logbook. The check names each one.
namespace {

struct Fremdobjekt {
    const char* name;
    QStringList sqlite; // the statements on a file; empty: the engine has no such thing
    QStringList server;
    const char* befund;
};

class Fremdobjekte : public ::testing::TestWithParam<std::tuple<Datenbankart, Fremdobjekt>> {};

const QString triggerfunktion = QStringLiteral(
    "CREATE FUNCTION km_verdoppeln() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN RETURN NEW; END$$");

} // namespace

TEST_P(Fremdobjekte, PruefungNenntSie)
{
    const auto& [art, objekt] = GetParam();
    std::optional<TestDatabase> db;
    if (!fuerTestOeffnen(db, art))
        return;
    const QStringList& anweisungen = art == Datenbankart::SQLite ? objekt.sqlite : objekt.server;
    if (anweisungen.isEmpty())
        GTEST_SKIP() << "gibt es in dieser Datenbank nicht";
    ASSERT_TRUE(fahrtenbuchpruefung::pruefen().unveraendert());
    for (const QString& anweisung : anweisungen)
        SqlStatement::direkt(anweisung);

    const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
    ASSERT_EQ(ergebnis.befunde.size(), 1u) << ergebnis.bericht().toStdString();
    EXPECT_EQ(ergebnis.befunde.front().text(),
              QStringLiteral("In der Datenbank: %1: nicht von Varno angelegt; es kann beim Speichern Einträge "
                             "verändern oder das Fahrtenbuch vortäuschen.")
                  .arg(QString::fromUtf8(objekt.befund)));
    EXPECT_FALSE(ergebnis.unveraendert());
}

INSTANTIATE_TEST_SUITE_P(
    Angriffe, Fremdobjekte,
    ::testing::Combine(
        ::testing::Values(Datenbankart::SQLite, Datenbankart::PostgreSQL),
        ::testing::Values(
            Fremdobjekt{"Trigger",
                        {QStringLiteral("CREATE TRIGGER km_verdoppeln BEFORE INSERT ON T_MIREL BEGIN SELECT 1; END")},
                        {triggerfunktion, QStringLiteral("CREATE TRIGGER km_verdoppeln BEFORE INSERT ON T_MIREL FOR "
                                                         "EACH ROW EXECUTE FUNCTION km_verdoppeln()")},
                        "Trigger „km_verdoppeln“"},
            Fremdobjekt{"Sicht",
                        {QStringLiteral("CREATE VIEW fahrten AS SELECT * FROM T_MIREL")},
                        {QStringLiteral("CREATE VIEW fahrten AS SELECT * FROM T_MIREL")},
                        "Sicht „fahrten“"},
            Fremdobjekt{"Regel",
                        {},
                        {QStringLiteral("CREATE RULE nichts_loeschen AS ON DELETE TO T_ORTE DO INSTEAD NOTHING")},
                        "Regel „nichts_loeschen“"},
            Fremdobjekt{"Tabelle",
                        {QStringLiteral("CREATE TABLE t_mirel_alt (ID INTEGER)")},
                        {QStringLiteral("CREATE TABLE t_mirel_alt (ID INTEGER)")},
                        "Tabelle „t_mirel_alt“"})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param) == Datenbankart::SQLite ? "SQLite" : "PostgreSQL") +
               std::get<1>(info.param).name;
    });
