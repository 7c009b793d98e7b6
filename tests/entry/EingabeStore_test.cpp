#include "db/SqlStatement.h"
#include "logbuch/StammfahrtStore.h"
#include "entry/EingabeStore.h"
#include "entry/Fahrtspeicherung.h"
#include "support/MerkpunktBuilder.h"
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

QDateTime am(int tag, int stunde, int minute = 0)
{
    return QDateTime(QDate(2006, 5, tag), QTime(stunde, minute));
}

class EingabeStoreTest : public BeideDatenbanken {
protected:
    void SetUp() override
    {
        BeideDatenbanken::SetUp();
        if (!IsSkipped())
            golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf"), .anfKm = 1000});
    }

    // The next trip of the Golf typed by hand, as the window builds it after reading the last trip.
    fahrtspeicherung::Auftrag fahrt(const QDateTime& ab, int kmAb, int km) const
    {
        return {.fahrzeug = golf,
                .abDat = ab,
                .anDat = ab.addSecs(1800),
                .kmAb = kmAb,
                .kmAn = kmAb + km,
                .von = QStringLiteral("Büro"),
                .nach = QStringLiteral("Kunde"),
                .art = 4,
                .zweck = QStringLiteral("keine Angabe"),
                .kategorie = QStringLiteral("Standard"),
                .fahrer = QStringLiteral("Meier")};
    }

    int fahrten() const { return SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE KFZ = ?", {golf}); }

    int golf = 0;
};

} // namespace

MIT_BEIDEN_DATENBANKEN(EingabeStoreTest);

TEST_P(EingabeStoreTest, FahrtSpeichernLegtNamenFahrtUndStammfahrtAn)
{
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
    // The same standard trip after the first one: the trip is stored, the standard trip is not.
    fahrtspeicherung::Auftrag nochmal = fahrtMitNeuenNamen();
    nochmal.abDat = nochmal.anDat;
    nochmal.anDat = nochmal.abDat.addSecs(1800);
    nochmal.kmAb = 10020;
    nochmal.kmAn = 10040;
    EXPECT_FALSE(EingabeStore::fahrtSpeichern(nochmal));
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

TEST_P(EingabeStoreTest, RohfahrtWirdMitIhrerFahrtAbgehakt)
{
    const int roh = build::rohfahrt({.startzeit = am(2, 8), .startkm = 1000, .zielzeit = am(2, 8, 30),
                                     .zielkm = 1040, .kfzSchluessel = QStringLiteral("-1 - B-XY 1, Golf")});
    fahrtspeicherung::Auftrag kartenfahrt = fahrt(am(2, 8), 1000, 40);
    kartenfahrt.rohfahrt = roh;
    EXPECT_TRUE(EingabeStore::fahrtSpeichern(kartenfahrt));

    const auto letzte = EingabeStore::letzteFahrten(golf, 2);
    ASSERT_EQ(letzte.size(), 2u);
    EXPECT_EQ(letzte[0].abDat, am(2, 8));
    EXPECT_EQ(letzte[0].anDat, am(2, 8, 30));
    EXPECT_EQ(letzte[0].kmAn, 1040);
    EXPECT_TRUE(letzte[1].istStartdatensatz());
    EXPECT_EQ(SqlStatement::scalarInt("SELECT bearbeitet FROM T_basis WHERE ID = ?", {roh}), 1);
}

TEST_P(EingabeStoreTest, RohfahrtenNachStartzeitMitDemFahrerDerKarte)
{
    const QString schluessel = QStringLiteral("-1 - B-XY 1, Golf");
    build::kartenfahrer(QStringLiteral("123456789"), build::fahrer(QStringLiteral("Meier")));
    build::rohfahrt({.startzeit = am(3, 8), .startkm = 1100, .kfzSchluessel = schluessel});
    build::rohfahrt({.startzeit = am(2, 8), .startkm = 1000, .zielzeit = am(2, 9), .zielkm = 1050,
                     .kfzSchluessel = schluessel, .cf = 1});
    build::rohfahrt({.startkm = 900, .kfzSchluessel = schluessel});

    const auto roh = EingabeStore::unbearbeiteteRohfahrten(golf);
    ASSERT_EQ(roh.size(), 3u);
    // A trip without recorded time comes first, as the recorder lists it before any dated one.
    EXPECT_FALSE(roh[0].startzeit);
    EXPECT_EQ(roh[1].startzeit, am(2, 8));
    EXPECT_EQ(roh[1].zielzeit, am(2, 9));
    EXPECT_EQ(roh[1].fahrer, QStringLiteral("unbekannt"));
    EXPECT_EQ(roh[2].fahrer, QStringLiteral("Meier"));
    EXPECT_FALSE(roh[2].zielzeit);
}

TEST_P(EingabeStoreTest, StammfahrtenNachStartortOderAlle)
{
    EingabeStore::fahrtSpeichern(fahrt(am(2, 8), 1000, 40));
    const int buero = SqlStatement::scalarInt("SELECT ID FROM T_ORTE WHERE Bezeichnung = 'Büro'");
    const int kunde = SqlStatement::scalarInt("SELECT ID FROM T_ORTE WHERE Bezeichnung = 'Kunde'");
    const int zuhause = build::ort(QStringLiteral("zuhause"));
    StammfahrtStore::anlegen({zuhause, buero, 5, 1, 1, 3});
    StammfahrtStore::anlegen({buero, kunde, 40, 1, 1, 4});

    ASSERT_EQ(StammfahrtStore::abOrt(zuhause).size(), 1u);
    EXPECT_EQ(StammfahrtStore::abOrt(zuhause).front().km, 5);
    const auto alle = StammfahrtStore::abOrt(std::nullopt);
    ASSERT_EQ(alle.size(), 2u);
    EXPECT_EQ(alle[0].von, buero);
    EXPECT_EQ(alle[1].von, zuhause);
    EXPECT_EQ(StammfahrtStore::suchen(buero, kunde, 1, 4), (Stammfahrt{buero, kunde, 40, 1, 1, 4}));
}

TEST_P(EingabeStoreTest, FahrtNachEinerInzwischenGespeichertenWirdAbgelehnt)
{
    // The window read the start record (1000 km); another user then stored a trip of the Golf.
    EingabeStore::fahrtSpeichern(fahrt(am(2, 8), 1000, 40));
    const int orte = zeilen(QStringLiteral("T_ORTE"));
    fahrtspeicherung::Auftrag veraltet = fahrt(am(2, 10), 1000, 12);
    veraltet.nach = QStringLiteral("Neuer Ort");
    veraltet.stammfahrtKm = 12;
    try {
        EingabeStore::fahrtSpeichern(veraltet);
        FAIL() << "gespeichert";
    } catch (const Fahrtkonflikt& konflikt) {
        EXPECT_EQ(konflikt.message(),
                  QStringLiteral("Inzwischen wurde eine weitere Fahrt dieses Fahrzeugs gespeichert (Ankunft 02.05.2006 "
                                 "08:30:00, Kilometerstand 1040). Ihre Fahrt wurde nicht gespeichert; die letzte Fahrt "
                                 "wird neu angezeigt."));
    }
    EXPECT_EQ(fahrten(), 2);
    EXPECT_EQ(zeilen(QStringLiteral("T_ORTE")), orte);
    EXPECT_EQ(zeilen(QStringLiteral("T_STAMMFAHRTEN")), 0);
}

TEST_P(EingabeStoreTest, AbfahrtVorDerLetztenAnkunftWirdAbgelehnt)
{
    EingabeStore::fahrtSpeichern(fahrt(am(2, 8), 1000, 40));
    EXPECT_THROW(EingabeStore::fahrtSpeichern(fahrt(am(2, 8, 15), 1040, 5)), Fahrtkonflikt);
    EXPECT_EQ(fahrten(), 2);
}

TEST_P(EingabeStoreTest, SchonErfassteRohfahrtWirdNichtZweimalGespeichert)
{
    fahrtspeicherung::Auftrag kartenfahrt = fahrt(am(2, 8), 1000, 40);
    kartenfahrt.rohfahrt = build::rohfahrt({.startzeit = am(2, 8), .startkm = 1000,
                                            .kfzSchluessel = QStringLiteral("-1 - B-XY 1, Golf"), .bearbeitet = true});
    EXPECT_THROW(EingabeStore::fahrtSpeichern(kartenfahrt), Fahrtkonflikt);
    EXPECT_EQ(fahrten(), 1);
}
