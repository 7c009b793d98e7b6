#include "db/SqlStatement.h"
#include "logbuch/StammdatenStore.h"
#include "logbuch/StammfahrtStore.h"
#include "logbuch/kette/Kettenanhang.h"
#include "support/TestDatabase.h"
#include "support/ZweiBenutzer.h"

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

class Fahrerpflege : public BeideDatenbanken {};
MIT_BEIDEN_DATENBANKEN(Fahrerpflege);

// A name another driver has, in any letter case, creates and renames nothing; keeping one's own
// name is no clash.
TEST_P(Fahrerpflege, VergebenerNameLegtNichtsAnUndBenenntNichtsUm)
{
    const int oezdemir = StammdatenStore::fahrerAnlegen(QStringLiteral("Özdemir"), QString()).value();
    const int meier = StammdatenStore::fahrerAnlegen(QStringLiteral("Meier"), QString()).value();
    const int fahrer = zeilen(QStringLiteral("T_Fahrer"));
    const int protokoll = zeilen(QStringLiteral("T_Protokoll"));

    EXPECT_EQ(StammdatenStore::fahrerAnlegen(QStringLiteral("özdemir"), QString()), std::nullopt);
    EXPECT_FALSE(StammdatenStore::fahrerAendern(meier, QStringLiteral("ÖZDEMIR"), QStringLiteral("x")));
    EXPECT_EQ(zeilen(QStringLiteral("T_Fahrer")), fahrer);
    EXPECT_EQ(zeilen(QStringLiteral("T_Protokoll")), protokoll);
    EXPECT_EQ(StammdatenStore::name(Stammtabelle::Fahrer, meier), QStringLiteral("Meier"));

    EXPECT_TRUE(StammdatenStore::fahrerAendern(oezdemir, QStringLiteral("Özdemir"), QStringLiteral("Bemerkung")));
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Fahrer WHERE Bemerkung = 'Bemerkung'"), 1);
}

// Two users enter the same new driver, or rename two drivers to the same name, at the same moment:
// one of them succeeds and the logbook holds the name once.
TEST_P(Fahrerpflege, ZweiBenutzerVergebenDenselbenNamenEinmal)
{
    constexpr int runden = 8;
    for (int runde = 0; runde < runden; ++runde) {
        const QString name = QStringLiteral("Gleich %1").arg(runde);
        const auto angelegt = zweiBenutzerZugleich(
            db().ort(), [&](int) { return StammdatenStore::fahrerAnlegen(name, QString()).has_value(); });
        EXPECT_NE(angelegt[0], angelegt[1]) << name.toStdString();

        const QString neuerName = QStringLiteral("Umbenannt %1").arg(runde);
        const int erster = StammdatenStore::fahrerAnlegen(QStringLiteral("Erster %1").arg(runde), QString()).value();
        const int zweiter = StammdatenStore::fahrerAnlegen(QStringLiteral("Zweiter %1").arg(runde), QString()).value();
        const auto umbenannt = zweiBenutzerZugleich(db().ort(), [&](int benutzer) {
            return StammdatenStore::fahrerAendern(benutzer == 0 ? erster : zweiter, neuerName, QString());
        });
        EXPECT_NE(umbenannt[0], umbenannt[1]) << neuerName.toStdString();

        for (const QString& vergeben : {name, neuerName})
            EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Fahrer WHERE Bezeichnung = ?", {vergeben}), 1)
                << vergeben.toStdString();
    }
}
