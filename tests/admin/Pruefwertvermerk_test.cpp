#include "Logbuchinhalt.h"

#include "admin/PruefwertvermerkStore.h"
#include "admin/SicherungStore.h"
#include "audit/Fahrtenbuchpruefung.h"
#include "audit/Pruefbefehl.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "platform/PosixFileOperations.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(Pruefwertvermerk, SicherungBehaeltDenPruefwertIhresStandesUndLaesstDasLogbuchUnberuehrt)
{
    TestDatabase db;
    build::fahrt({.kfz = 1, .kmAb = 10000, .kmAn = 10042});
    const QStringList vorher = logbuchinhalt(db.file());
    QTemporaryDir ablage;
    const QString ziel = QDir(ablage.path()).filePath(QStringLiteral("20060310_120000.sav"));
    PosixFileOperations dateien;
    SicherungStore::sichern(ziel, dateien);

    const QString pruefwert = fahrtenbuchpruefung::pruefen().pruefwert();
    EXPECT_EQ(PruefwertvermerkStore::pruefwert(ziel), pruefwert);
    EXPECT_EQ(logbuchinhalt(db.file()), vorher);
    // The value kept with the backup confirms the logbook of that moment later.
    build::fahrt({.kfz = 1, .kmAb = 10042, .kmAn = 10050});
    Database::schliessen();
    const auto ergebnis = pruefbefehl::ausfuehren(db.file(), pruefwert);
    EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::unveraendert) << ergebnis.text.toStdString();
}
