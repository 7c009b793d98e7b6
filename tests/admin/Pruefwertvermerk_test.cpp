#include "Logbuchinhalt.h"

#include "admin/SicherungStore.h"
#include "audit/Fahrtenbuchpruefung.h"
#include "common/Clock.h"
#include "db/SqlStatement.h"
#include "platform/PosixFileOperations.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(Pruefwertvermerk, SicherungBehaeltDenPruefwertIhresStandes)
{
    TestDatabase db;
    build::fahrt({.kfz = 1, .kmAb = 10000, .kmAn = 10042});
    QTemporaryDir ablage;
    const QString ziel = QDir(ablage.path()).filePath(QStringLiteral("20060310_120000.sav"));
    Clock::setFixed(QDateTime(QDate(2006, 3, 10), QTime(12, 0)));
    PosixFileOperations dateien;
    SicherungStore::sichern(ziel, dateien);
    Clock::reset();

    const QString pruefwert = fahrtenbuchpruefung::pruefen().pruefwert();
    const QString vermerk =
        QStringLiteral("T_Pruefwertvermerk|2006-03-10 12:00:00|Datensicherung %1|%2").arg(ziel, pruefwert);
    EXPECT_TRUE(logbuchinhalt(ziel).contains(vermerk)) << logbuchinhalt(ziel).join(u'\n').toStdString();
    EXPECT_TRUE(logbuchinhalt(db.file()).contains(vermerk));
}
