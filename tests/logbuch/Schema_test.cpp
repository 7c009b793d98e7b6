#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/Dialekt.h"
#include "logbuch/Logbuch.h"
#include "logbuch/schema/Schema.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"
#include "support/TestDatabase.h"
#include "logbuch/schema/Schemastand.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

class Lieferzustand : public BeideDatenbanken {};
MIT_BEIDEN_DATENBANKEN(Lieferzustand);

TEST_P(Lieferzustand, NeueDatenbankEnthaeltDieGeliefertenZeilen)
{
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Optionen"), 1);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_FILTER WHERE ID = 1"), 1);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_ART WHERE ID IN (1, 2, 3, 4, 99)"), 5);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_ZWECK WHERE ID = 1"), 1);

    SqlStatement muster("SELECT KZuFzg, Eingabeart, Abgeschlossen FROM T_KFZ WHERE ID = 1");
    muster.exec();
    ASSERT_TRUE(muster.next());
    EXPECT_EQ(muster.text("KZuFzg"), QStringLiteral("Musterfahrzeug"));
    EXPECT_EQ(muster.intValue("Eingabeart"), 0);
    EXPECT_EQ(muster.intValue("Abgeschlossen"), 0);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE KFZ = 1 AND Art = 99 AND Zweck = 1"), 1);

    SqlStatement art("SELECT Bezeichnung, Abkuerzung FROM T_ART WHERE ID = 4");
    art.exec();
    ASSERT_TRUE(art.next());
    EXPECT_EQ(art.text("Bezeichnung"), QStringLiteral("geschäftlich"));
    EXPECT_EQ(art.text("Abkuerzung"), QStringLiteral("G"));
    EXPECT_EQ(schemastand::lesen(), Schema::currentVersion);
}

TEST_P(Lieferzustand, FahrzeugMitWenigenSpaltenBekommtInspektionsvorgaben)
{
    SqlStatement("INSERT INTO T_KFZ (KZuFzg, AnfKm, Eingabeart, KFZID) VALUES ('K-AB 1, Passat', 500, 1, 7)").exec();
    SqlStatement s("SELECT InspKM, InspDat, Abgeschlossen FROM T_KFZ WHERE KFZID = 7");
    s.exec();
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.intValue("InspKM"), 0);
    EXPECT_EQ(s.text("InspDat"), QStringLiteral("2002-01-01 00:00:00"));
    EXPECT_EQ(s.intValue("Abgeschlossen"), 0);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_basis WHERE bearbeitet = 0"), 0);
}

TEST(Schema, DateiNurFuerDenBesitzerLesbar)
{
    TestDatabase db;
    const QFile::Permissions rechte = QFileInfo(db.file()).permissions();
    EXPECT_TRUE(rechte.testFlag(QFile::ReadOwner));
    EXPECT_FALSE(rechte.testFlag(QFile::ReadGroup));
    EXPECT_FALSE(rechte.testFlag(QFile::ReadOther));
}

// Files that are no logbook: opening them must neither succeed nor turn them into one.
class KeinLogbuch : public ::testing::TestWithParam<std::pair<const char*, QByteArray>> {};

TEST_P(KeinLogbuch, WirdNichtAlsLogbuchGeoeffnetUndBleibtWieSieIst)
{
    TestDatabase db;
    Database::schliessen();
    const QString fremd = db.directory() + QStringLiteral("/fremd.db");
    {
        QFile datei(fremd);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write(GetParam().second);
    }
    EXPECT_THROW(Logbuch::oeffnen(fremd), DatabaseError);
    EXPECT_FALSE(Database::isOpen());
    QFile datei(fremd);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, KeinLogbuch,
    ::testing::Values(std::pair("Text", QByteArray("das ist keine Datenbank, sondern Text ohne jeden Sinn und ohne "
                                                   "SQLite-Kopf........")),
                      // A failed copy or a full disk leave an empty file behind.
                      std::pair("Leer", QByteArray())),
    [](const auto& info) { return std::string(info.param.first); });

TEST(Schema, SchreibgeschuetztGeoeffnetLiestUndVerweigertDasSchreibenAufDeutsch)
{
    TestDatabase db;
    Database::schliessen();
    Logbuch::oeffnen(db.file(), Database::Access::ReadOnly);
    EXPECT_TRUE(Database::isReadOnly());
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_KFZ"), 1);
    try {
        SqlStatement("UPDATE T_Optionen SET KFZ = 1").exec();
        FAIL() << "written to a read-only logbook";
    } catch (const DatabaseError& fehler) {
        EXPECT_EQ(fehler.message(),
                  QStringLiteral("Das Fahrtenbuch ist schreibgeschützt; Änderungen können nicht gespeichert werden."));
    }
}

TEST(Schema, FehlerhafteAnweisungMeldetDieMeldungDerDatenbank)
{
    TestDatabase db;
    try {
        SqlStatement("SELECT Unsinn FROM T_KFZ").exec();
        FAIL() << "keine Ausnahme";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("Unsinn"))) << error.message().toStdString();
    }
}

TEST(Schema, NeueDatenbankUeberschreibtKeineVorhandene)
{
    TestDatabase db;
    EXPECT_THROW(Logbuch::anlegen(db.file()), DatabaseError);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_KFZ"), 1);
}

namespace {

// The schema version before the card trips' unique key.
constexpr int ohneKartenschluessel = 2;

// Takes the open logbook back to the schema before the card trips' key and opens it again, which
// runs the later steps.
void ohneKartenschluesselOeffnen(const TestDatabase& db)
{
    SqlStatement::direkt(QStringLiteral("DROP INDEX UX_basis_Fahrt"));
    schemastand::setzen(ohneKartenschluessel);
    Database::schliessen();
    Logbuch::oeffnen(db.ort());
}

build::Rohfahrt kartenfahrt(int startkm)
{
    return {.cfid = QStringLiteral("4711"),
            .startzeit = QDateTime(QDate(2006, 4, 3), QTime(7, 0)),
            .startkm = startkm,
            .kfzSchluessel = QStringLiteral("7 - K-CF 7")};
}

} // namespace

TEST_P(Lieferzustand, AelteresLogbuchBekommtDenSchluesselDerKartenfahrten)
{
    build::rohfahrt(kartenfahrt(12000));
    ohneKartenschluesselOeffnen(db());
    EXPECT_EQ(schemastand::lesen(), Schema::currentVersion);
    EXPECT_THROW(build::rohfahrt(kartenfahrt(12000)), DoppelterEintrag);
    // Without recorded start time a trip has no key to repeat.
    build::rohfahrt({.cfid = QStringLiteral("4711"), .kfzSchluessel = QStringLiteral("7 - K-CF 7")});
    build::rohfahrt({.cfid = QStringLiteral("4711"), .kfzSchluessel = QStringLiteral("7 - K-CF 7")});
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_basis"), 3);
}

TEST_P(Lieferzustand, DoppelteKartenfahrtImAelterenLogbuchWirdBenannt)
{
    SqlStatement::direkt(QStringLiteral("DROP INDEX UX_basis_Fahrt"));
    build::rohfahrt(kartenfahrt(12000));
    build::rohfahrt(kartenfahrt(12001));
    schemastand::setzen(ohneKartenschluessel);
    Database::schliessen();
    try {
        Logbuch::oeffnen(db().ort());
        FAIL() << "geöffnet";
    } catch (const DatabaseError& fehler) {
        EXPECT_EQ(fehler.message(), QStringLiteral("Die Fahrt der Speicherkarte 4711 vom 03.04.2006 07:00:00 für "
                                                   "7 - K-CF 7 ist doppelt gespeichert. Das Fahrtenbuch kann so nicht "
                                                   "für mehrere Benutzer eingerichtet werden."));
    }
    EXPECT_FALSE(Database::isOpen());
}
