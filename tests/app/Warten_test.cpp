#include "Befehlslauf.h"

#include "app/Befehle.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "logbuch/Logbuch.h"
#include "platform/FakeVolumeSerial.h"
#include "support/CardFileBuilder.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <libpq-fe.h>

// A colleague's program that stalls in the middle of storing holds its locks; a command waits for
// it only as long as "--warten" says, then ends with a German message and stores nothing.

TEST(Warten, BefehlGibtNachDerWartezeitAufUndSpeichertNichts)
{
    std::optional<TestDatabase> db;
    if (!fuerTestOeffnen(db, Datenbankart::PostgreSQL))
        return;
    Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0, 5)));
    build::fahrzeug({.kennzeichen = "HH-AB 123", .eingabeart = 1, .kfzId = 7});
    const QString logbuch = db->ort();
    Database::schliessen();
    const QString karte = QDir(db->directory()).filePath(QStringLiteral("daten.txt"));
    CardFileBuilder().record(karte::fahrt(0, 10)).write(karte);

    // The stalled colleague: a transaction that took the chain's lock, as every chained write does.
    PGconn* kollege = PQconnectdb((logbuch + QStringLiteral("?application_name=kollege")).toUtf8().constData());
    ASSERT_EQ(PQstatus(kollege), CONNECTION_OK) << PQerrorMessage(kollege);
    PQclear(PQexec(kollege, "BEGIN; LOCK TABLE t_pruefkette IN SHARE ROW EXCLUSIVE MODE"));

    QElapsedTimer uhr;
    uhr.start();
    const Lauf lauf = varno({"karte", "einlesen", karte, "--uebernehmen", "--warten", "2", "--datenbank", logbuch},
                            FakeVolumeSerial(QStringLiteral("2882343476")));
    const qint64 gewartet = uhr.elapsed();
    const int code = lauf.code;
    const QString& fehler = lauf.fehler;
    PQclear(PQexec(kollege, "ROLLBACK"));
    PQfinish(kollege);
    Clock::reset();

    EXPECT_EQ(code, Befehle::fehlschlag);
    EXPECT_TRUE(fehler.contains(QStringLiteral("Ein anderer Benutzer hält die Daten gesperrt, und die Wartezeit ist "
                                               "abgelaufen. Es wurde nichts gespeichert.")))
        << fehler.toStdString();
    EXPECT_GE(gewartet, 2000);
    EXPECT_LT(gewartet, 30000);
    Logbuch::oeffnen(logbuch);
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_basis")), 0);
}

TEST(Warten, UngueltigeWartezeitIstEinFalschesArgument)
{
    const Lauf lauf = varno({"sichern", "/tmp", "--warten", "null"});
    EXPECT_EQ(lauf.code, Befehle::falscheArgumente);
    const QString& fehler = lauf.fehler;
    EXPECT_TRUE(fehler.contains(QStringLiteral("„--warten“: „null“ ist keine Wartezeit von 1 bis 86400 Sekunden")))
        << fehler.toStdString();
}
