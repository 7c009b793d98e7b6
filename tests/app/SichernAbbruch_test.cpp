#include "Befehlslauf.h"

#include "app/Befehle.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "platform/FakeVolumeSerial.h"
#include "support/TestDatabase.h"
#include "support/Testserver.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <libpq-fe.h>

#include <chrono>
#include <thread>

// A backup whose server session is ended midway (a server restart, an administrator) ends with
// one German line and leaves nothing in the backup folder.

namespace {

// Ends the program's session on the server once it waits for a lock; from a connection of its own.
// Only in this test's database: the test programs of the other runs share the cluster.
void sitzungBeendenSobaldSieWartet(const QByteArray& verwalter, const QByteArray& datenbank, bool& beendet)
{
    PGconn* verbindung = PQconnectdb(verwalter.constData());
    const char* werte[] = {datenbank.constData()};
    for (int versuch = 0; versuch < 200 && !beendet; ++versuch) {
        PGresult* ergebnis =
            PQexecParams(verbindung,
                         "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE application_name = 'Varno' "
                         "AND wait_event_type = 'Lock' AND datname = $1",
                         1, nullptr, werte, nullptr, nullptr, 0);
        beendet = PQresultStatus(ergebnis) == PGRES_TUPLES_OK && PQntuples(ergebnis) > 0;
        PQclear(ergebnis);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    PQfinish(verbindung);
}

} // namespace

TEST(SichernAbbruch, BeendeteSitzungGibtEineDeutscheZeileUndKeineReste)
{
    std::optional<TestDatabase> db;
    if (!fuerTestOeffnen(db, Datenbankart::PostgreSQL))
        return;
    Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0, 5)));
    const QString logbuch = db->ort();
    Database::schliessen();

    // Another session holds a table, so the backup waits in the middle of its snapshot.
    PGconn* sperre = PQconnectdb((logbuch + QStringLiteral("?application_name=sperre")).toUtf8().constData());
    ASSERT_EQ(PQstatus(sperre), CONNECTION_OK) << PQerrorMessage(sperre);
    PQclear(PQexec(sperre, "BEGIN; LOCK TABLE t_mirel IN ACCESS EXCLUSIVE MODE"));

    bool beendet = false;
    std::thread verwalter(sitzungBeendenSobaldSieWartet, testserver::adresse()->toUtf8(), QByteArray(PQdb(sperre)),
                          std::ref(beendet));
    QTemporaryDir ablage;
    const Lauf lauf = varno({"sichern", ablage.path(), "--datenbank", logbuch});
    const int code = lauf.code;
    const QString& fehler = lauf.fehler;
    verwalter.join();
    PQclear(PQexec(sperre, "ROLLBACK"));
    PQfinish(sperre);
    Clock::reset();

    ASSERT_TRUE(beendet);
    EXPECT_EQ(code, Befehle::fehlschlag);
    EXPECT_TRUE(fehler.startsWith(QStringLiteral("varno sichern: Die Verbindung zum Datenbankserver ist abgerissen")) ||
                fehler.startsWith(QStringLiteral("varno sichern: Der Datenbankserver hat die Verbindung beendet")))
        << fehler.toStdString();
    EXPECT_EQ(fehler.count(QLatin1Char('\n')), 1) << fehler.toStdString();
    EXPECT_FALSE(fehler.contains(QLatin1String("FATAL"))) << fehler.toStdString();
    EXPECT_EQ(QDir(ablage.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}
