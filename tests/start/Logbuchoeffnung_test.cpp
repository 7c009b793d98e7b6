#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/Serveranmeldung.h"
#include "db/SqlStatement.h"
#include "logbuch/Logbuch.h"
#include "logbuch/schema/Schema.h"
#include "start/Logbuchoeffnung.h"
#include "support/TestDatabase.h"
#include "support/Servertest.h"
#include "support/Testserver.h"
#include "logbuch/schema/Schemastand.h"

#include <gtest/gtest.h>

namespace {

class Serverlogbuchoeffnung : public Servertest<> {};

} // namespace

TEST_F(Serverlogbuchoeffnung, LeereDatenbankBekommtEinLogbuchNurMitZustimmung)
{
    const QString adresse = testserver::leereDatenbank();
    QStringList fragen;
    auto antwort = [&fragen](bool ja) {
        return [&fragen, ja](const QString& meldung) {
            fragen << meldung;
            return ja;
        };
    };

    EXPECT_FALSE(logbuchoeffnung::oeffnen(adresse, Database::Access::ReadWrite, antwort(false)));
    EXPECT_FALSE(Database::isOpen());
    EXPECT_EQ(fragen, QStringList{QStringLiteral("Die Datenbank %1 enthält noch kein Fahrtenbuch.").arg(adresse)});

    EXPECT_TRUE(logbuchoeffnung::oeffnen(adresse, Database::Access::ReadWrite, antwort(true)));
    EXPECT_EQ(schemastand::lesen(), Schema::currentVersion);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Optionen"), 1);
    Database::schliessen();

    // A logbook there now: opened without a question.
    EXPECT_TRUE(logbuchoeffnung::oeffnen(adresse, Database::Access::ReadWrite, antwort(false)));
    EXPECT_EQ(fragen.size(), 2);
}

TEST_F(Serverlogbuchoeffnung, OhneFrageIstDieLeereDatenbankEinFehler)
{
    const QString adresse = testserver::leereDatenbank();
    EXPECT_THROW(logbuchoeffnung::oeffnen(adresse, Database::Access::ReadWrite), Logbuch::LeereDatenbank);
    EXPECT_FALSE(Database::isOpen());
}

// A write-protected file is opened for reading only (the start check decides so for files alone).
TEST(Logbuchoeffnung, OeffnetDieDateiMitDemVerlangtenZugriff)
{
    TestDatabase db;
    Database::schliessen();
    ASSERT_TRUE(logbuchoeffnung::oeffnen(db.ort(), Database::Access::ReadOnly));
    EXPECT_TRUE(Database::isReadOnly());
    ASSERT_TRUE(logbuchoeffnung::oeffnen(db.ort(), Database::Access::ReadWrite));
    EXPECT_FALSE(Database::isReadOnly());
    EXPECT_EQ(schemastand::lesen(), Schema::currentVersion);
}
