#include "db/SqlStatement.h"
#include "entry/EingabeStore.h"
#include "entry/Fahrtspeicherung.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

int zeilen(const QString& tabelle)
{
    return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM %1").arg(tabelle));
}

fahrtspeicherung::Auftrag fahrtMitNeuenNamen()
{
    const QDateTime ab(QDate(2006, 3, 13), QTime(9, 0));
    return {.fahrzeug = 1,
            .abDat = ab,
            .anDat = ab.addSecs(1800),
            .kmAb = 10000,
            .kmAn = 10020,
            .von = QStringLiteral("Neustadt"),
            .nach = QStringLiteral("Altdorf"),
            .art = 4,
            .zweck = QStringLiteral("Lieferung"),
            .kategorie = QStringLiteral("Vertrieb"),
            .fahrer = QStringLiteral("Meier"),
            .stammfahrtKm = 20};
}

} // namespace

TEST(EingabeStore, FahrtSpeichernLegtNamenFahrtUndStammfahrtAn)
{
    TestDatabase db;
    EXPECT_TRUE(EingabeStore::fahrtSpeichern(fahrtMitNeuenNamen()));
    SqlStatement s("SELECT o.Bezeichnung AS Von, z.Bezeichnung AS Zweck, f.Bezeichnung AS Fahrer, m.km_an "
                   "FROM T_MIREL m JOIN T_ORTE o ON o.ID = m.Start JOIN T_ZWECK z ON z.ID = m.Zweck "
                   "JOIN T_Fahrer f ON f.ID = m.Fahrer WHERE m.KFZ = 1 AND m.Art = 4");
    s.exec();
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.text("Von"), QStringLiteral("Neustadt"));
    EXPECT_EQ(s.text("Zweck"), QStringLiteral("Lieferung"));
    EXPECT_EQ(s.text("Fahrer"), QStringLiteral("Meier"));
    EXPECT_EQ(s.intValue("km_an"), 10020);
    EXPECT_EQ(zeilen(QStringLiteral("T_STAMMFAHRTEN")), 1);
    // The same standard trip a second time: the trip is stored, the standard trip is not.
    EXPECT_FALSE(EingabeStore::fahrtSpeichern(fahrtMitNeuenNamen()));
    EXPECT_EQ(zeilen(QStringLiteral("T_STAMMFAHRTEN")), 1);
}

TEST(EingabeStore, ScheiterndeFahrtHinterlaesstKeineNeuenNamen)
{
    TestDatabase db;
    const int orte = zeilen(QStringLiteral("T_ORTE"));
    const int zwecke = zeilen(QStringLiteral("T_ZWECK"));
    const int fahrer = zeilen(QStringLiteral("T_Fahrer"));
    SqlStatement("CREATE TRIGGER kaputt BEFORE INSERT ON T_MIREL BEGIN SELECT RAISE(ABORT, 'Platte voll'); END").exec();
    EXPECT_ANY_THROW(EingabeStore::fahrtSpeichern(fahrtMitNeuenNamen()));
    EXPECT_EQ(zeilen(QStringLiteral("T_ORTE")), orte);
    EXPECT_EQ(zeilen(QStringLiteral("T_ZWECK")), zwecke);
    EXPECT_EQ(zeilen(QStringLiteral("T_Fahrer")), fahrer);
}
