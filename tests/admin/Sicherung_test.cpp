#include "Logbuchinhalt.h"

#include "admin/SicherungStore.h"
#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/SqlStatement.h"
#include "platform/FileOperations.h"
#include "support/Dateieingriff.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// Another program writes to the logbook while the backup starts.
class SicherungUnterLast : public ::testing::Test {
protected:
    void SetUp() override
    {
        build::fahrzeug();
        anderesProgramm.emplace(db.file());
    }

    QStringList dateienImZiel() const { return QDir(ablage.path()).entryList(QDir::Files); }

    TestDatabase db;
    QTemporaryDir ablage;
    QString ziel = QDir(ablage.path()).filePath(QStringLiteral("20060105_090307.sav"));
    std::optional<dateieingriff::Sperre> anderesProgramm;
    int pausen = 0;
};

} // namespace

TEST_F(SicherungUnterLast, WartetBisDasAndereProgrammFertigIst)
{
    const SicherungStore::Geduld geduld{.frist = 10s, .pause = [this] {
                                            ++pausen;
                                            anderesProgramm->freigeben();
                                        }};
    SicherungStore::sichern(ziel, FileOperations::system(), geduld);

    EXPECT_EQ(pausen, 1);
    EXPECT_EQ(logbuchinhalt(ziel), logbuchinhalt(db.file()));
    EXPECT_EQ(dateienImZiel(), QStringList{QFileInfo(ziel).fileName()});
}

TEST_F(SicherungUnterLast, GibtNachDerFristMitDeutscherMeldungAuf)
{
    const SicherungStore::Geduld geduld{.frist = 50ms, .pause = [this] { ++pausen; }};
    try {
        SicherungStore::sichern(ziel, FileOperations::system(), geduld);
        FAIL() << "a backup of a busy logbook was reported as written";
    } catch (const DatabaseError& fehler) {
        EXPECT_EQ(fehler.message(), QStringLiteral("Die Datenbank ist durch ein anderes Programm belegt; die Sicherung "
                                                   "wurde nach längerem Warten abgebrochen. Bitte versuchen Sie es "
                                                   "später noch einmal."));
    }
    EXPECT_GE(pausen, 1);
    EXPECT_TRUE(dateienImZiel().isEmpty());
    // The program's own statements wait for other programs as before.
    anderesProgramm->freigeben();
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("PRAGMA busy_timeout")), Database::sperrWartezeitMs);
}
