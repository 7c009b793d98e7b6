#include "logbuch/kette/Kettenanhang.h"
#include "db/SqlStatement.h"
#include "logbuch/StammdatenStore.h"
#include "logbuch/StammfahrtStore.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

int zeilen(const QString& tabelle)
{
    return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM %1").arg(tabelle));
}

struct AufloesungsFall {
    const char* name;
    Stammtabelle tabelle;
    const char* tabellenname;
    const char* gespeichert;
    const char* gesucht;
    bool neu;
};

class Aufloesung : public ::testing::TestWithParam<AufloesungsFall> {};

} // namespace

TEST_P(Aufloesung, FindetNamenWieDieDatenbankSieVergleichtUndLegtFehlendeAn)
{
    TestDatabase db;
    const auto& fall = GetParam();
    Kettentransaktion kette;
    const int gespeichert = StammdatenStore::idFuer(fall.tabelle, QString::fromUtf8(fall.gespeichert), kette);
    const int vorher = zeilen(QString::fromLatin1(fall.tabellenname));
    const int protokolliert = zeilen(QStringLiteral("T_Protokoll"));
    EXPECT_EQ(StammdatenStore::id(fall.tabelle, QString::fromUtf8(fall.gesucht)).has_value(), !fall.neu);
    const int id = StammdatenStore::idFuer(fall.tabelle, QString::fromUtf8(fall.gesucht), kette);
    kette.commit();
    EXPECT_EQ(id == gespeichert, !fall.neu);
    EXPECT_EQ(zeilen(QString::fromLatin1(fall.tabellenname)), vorher + (fall.neu ? 1 : 0));
    // A new master row is a chained entry that names it.
    EXPECT_EQ(zeilen(QStringLiteral("T_Protokoll")), protokolliert + (fall.neu ? 1 : 0));
    EXPECT_EQ(StammdatenStore::name(fall.tabelle, id),
              QString::fromUtf8(fall.neu ? fall.gesucht : fall.gespeichert));
}

INSTANTIATE_TEST_SUITE_P(
    Tabellen, Aufloesung,
    ::testing::Values(AufloesungsFall{"OrtGleich", Stammtabelle::Orte, "T_ORTE", "Büro", "Büro", false},
                      AufloesungsFall{"OrtKleingeschrieben", Stammtabelle::Orte, "T_ORTE", "Büro", "büro", false},
                      AufloesungsFall{"OrtNeu", Stammtabelle::Orte, "T_ORTE", "Büro", "Buero", true},
                      AufloesungsFall{"Zweck", Stammtabelle::Zwecke, "T_ZWECK", "Besuch", "BESUCH", false},
                      AufloesungsFall{"Kategorie", Stammtabelle::Kategorien, "T_Kategorie", "Vertrieb", "Service",
                                      true},
                      AufloesungsFall{"Fahrer", Stammtabelle::Fahrer, "T_Fahrer", "Özdemir", "özdemir", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StammdatenStore, ListenNachDeutschemNamenOderNachAnlage)
{
    TestDatabase db;
    const int zuerst = build::ort(QStringLiteral("Zwickau"));
    const int dann = build::ort(QStringLiteral("Ärztehaus"));
    const int zuletzt = build::ort(QStringLiteral("Berlin"));
    EXPECT_EQ(StammdatenStore::namen(Stammtabelle::Orte),
              (QStringList{QStringLiteral("Ärztehaus"), QStringLiteral("Berlin"), QStringLiteral("Zwickau")}));
    const auto nachId = StammdatenStore::nachId(Stammtabelle::Orte);
    ASSERT_EQ(nachId.size(), 3u);
    EXPECT_EQ(nachId[0].id, zuerst);
    EXPECT_EQ(nachId[1].id, dann);
    EXPECT_EQ(nachId[2].id, zuletzt);
    EXPECT_EQ(StammdatenStore::namenNachId(Stammtabelle::Orte).value(dann), QStringLiteral("Ärztehaus"));
}

TEST(StammdatenStore, FahrtartenMitKurzformNachId)
{
    TestDatabase db;
    const auto arten = StammdatenStore::fahrtarten();
    ASSERT_EQ(arten.size(), 5u);
    EXPECT_EQ(arten.front().abkuerzung, QStringLiteral("U"));
    EXPECT_EQ(arten.back().id, 99);
}

TEST(StammfahrtStore, GleicheStammfahrtWirdNurEinmalAngelegt)
{
    TestDatabase db;
    const int buero = build::ort(QStringLiteral("Büro"));
    const int kunde = build::ort(QStringLiteral("Kunde"));
    const Stammfahrt fahrt{buero, kunde, 40, 1, 0, 4};
    EXPECT_TRUE(StammfahrtStore::anlegen(fahrt));
    EXPECT_FALSE(StammfahrtStore::anlegen(fahrt));
    EXPECT_EQ(zeilen(QStringLiteral("T_STAMMFAHRTEN")), 1);
    EXPECT_EQ(StammfahrtStore::suchen(buero, kunde, 1, 4), fahrt);
    EXPECT_EQ(StammfahrtStore::abOrt(kunde).size(), 0u);
    EXPECT_EQ(StammfahrtStore::abOrt(std::nullopt).size(), 1u);
}
