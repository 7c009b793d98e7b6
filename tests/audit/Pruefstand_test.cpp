#include "audit/PruefStore.h"
#include "audit/Pruefstand.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "logbuch/Logbuch.h"
#include "support/Dateieingriff.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

// Before the logbook is made, so its chains begin at this time.
struct FesteUhr {
    FesteUhr() { Clock::setFixed(QDateTime(QDate(2006, 3, 10), QTime(12, 0))); }
    ~FesteUhr() { Clock::reset(); }
};

} // namespace

TEST(Pruefstand, SiehtDieAenderungEinesAnderenProgramms)
{
    const FesteUhr uhr;
    TestDatabase db;
    const int fahrt = build::fahrt({.kfz = 1, .kmAb = 10000, .kmAn = 10042});
    Pruefstand stand;
    EXPECT_TRUE(stand.aktuell().unveraendert());
    dateieingriff::ausfuehren(db.file(), {QStringLiteral("UPDATE T_MIREL SET km_an = 10041 WHERE ID = %1").arg(fahrt)});
    EXPECT_EQ(stand.aktuell().betroffeneFahrten(), QSet<qlonglong>{fahrt});
    EXPECT_EQ(stand.vermerk(), QStringLiteral("Prüfwert ungültig – Fahrtenbuch verändert\nPrüfkette seit 10.03.2006"));
}

TEST(Pruefstand, OhneDenBeginnDerPruefketteNenntDerVermerkKeinenBeginn)
{
    TestDatabase db;
    Pruefstand stand;
    EXPECT_TRUE(stand.vermerk().contains(QStringLiteral("\nPrüfkette seit "))) << stand.vermerk().toStdString();
    dateieingriff::ausfuehren(db.file(), {QStringLiteral("DELETE FROM T_Protokoll WHERE Ereignis = 'Prüfkette begonnen'")});
    EXPECT_FALSE(stand.aktuell().kettenbeginn);
    EXPECT_EQ(stand.vermerk(), QStringLiteral("Prüfwert ungültig – Fahrtenbuch verändert"));
}

TEST(Pruefstand, NimmtEineNeueFahrtDesProgrammsAuf)
{
    TestDatabase db;
    Pruefstand stand;
    const qint64 vorher = stand.aktuell().eintraege();
    build::fahrt({.kfz = 1, .kmAb = 10000, .kmAn = 10042});
    EXPECT_EQ(stand.aktuell().eintraege(), vorher + 1);
    EXPECT_TRUE(stand.aktuell().unveraendert());
}

// On a server the change comes through another connection as well: another user's psql.
TEST(Pruefstand, SiehtAufDemServerDieAenderungEinesAnderenBenutzers)
{
    std::optional<TestDatabase> db;
    if (!fuerTestOeffnen(db, Datenbankart::PostgreSQL))
        return;
    const int fahrt = build::fahrt({.kfz = 1, .kmAb = 10000, .kmAn = 10042});
    Pruefstand stand;
    EXPECT_TRUE(stand.aktuell().unveraendert());
    const QString vorher = PruefStore::datenstand();
    EXPECT_EQ(PruefStore::datenstand(), vorher);

    std::thread anderer([&] {
        Logbuch::oeffnen(db->ort());
        SqlStatement("UPDATE T_MIREL SET km_an = 10041 WHERE ID = ?").bind(fahrt).exec();
        Database::schliessen();
    });
    anderer.join();

    EXPECT_EQ(stand.aktuell().betroffeneFahrten(), QSet<qlonglong>{fahrt});
}
