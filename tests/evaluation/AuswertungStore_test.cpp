#include "Auswertungsdaten.h"

#include "db/SqlStatement.h"
#include "logbuch/StammfahrtStore.h"
#include "evaluation/AuswertungStore.h"
#include "evaluation/Fahrtenleser.h"

#include <gtest/gtest.h>

namespace {

class AuswertungStoreTest : public BeideDatenbanken {
protected:
    void SetUp() override
    {
        BeideDatenbanken::SetUp();
        if (!IsSkipped())
            d.emplace();
    }

    Fahrtenfilter allesBis(const QDate& heute) const { return Fahrtenfilter::zurueckgesetzt(heute, true); }

    std::vector<int> ids(const Fahrtenfilter& filter) const
    {
        std::vector<int> ergebnis;
        const Fahrtenliste liste = store.fahrten(filter);
        for (const GelisteteFahrt& f : liste.fahrten())
            ergebnis.push_back(f.id);
        return ergebnis;
    }

    std::optional<Auswertungsdaten> d;
    AuswertungStore store;
};

} // namespace

MIT_BEIDEN_DATENBANKEN(AuswertungStoreTest);

TEST_P(AuswertungStoreTest, ListetNachAbfahrtMitNamenDerStammsaetze)
{
    const int spaet = build::fahrt(d->fahrt(am(2006, 5, 2, 14), am(2006, 5, 2, 15), 1100, 1150));
    auto frueh = d->fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9, 30), 1000, 1100);
    frueh.bemerkung = QStringLiteral("Reifen prüfen");
    const int erste = build::fahrt(frueh);

    const Fahrtenliste liste = store.fahrten(allesBis(QDate(2006, 6, 1)));
    ASSERT_EQ(liste.anzahl(), 2u);
    EXPECT_EQ(liste.fahrt(0).id, erste);
    EXPECT_EQ(liste.fahrt(1).id, spaet);
    QStringList zeile;
    for (int spalte = 0; spalte < Fahrtenliste::Spalten; ++spalte)
        zeile << liste.zelle(0, spalte);
    EXPECT_EQ(zeile, (QStringList{"02.05.2006 08:00:00", "09:30:00", "Büro", "D'dorf Kunde", "1000", "1100",
                                  "B-XY 1, Golf", "Meier", "Besuch", "Standard", "G", "x"}));
    EXPECT_EQ(liste.zelle(1, Fahrtenliste::Bem), QStringLiteral(" "));
    EXPECT_EQ(liste.kilometer(), 150);
}

TEST_P(AuswertungStoreTest, NamenMitApostrophWerdenGefiltert)
{
    const int hin = build::fahrt(d->fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 0, 10));
    auto zurueck = d->fahrt(am(2006, 5, 2, 10), am(2006, 5, 2, 11), 10, 20);
    std::swap(zurueck.start, zurueck.ziel);
    zurueck.fahrer = d->obrien;
    const int rueck = build::fahrt(zurueck);

    Fahrtenfilter filter = allesBis(QDate(2006, 6, 1));
    filter.nach = d->kunde;
    EXPECT_EQ(ids(filter), std::vector<int>{hin});
    filter = allesBis(QDate(2006, 6, 1));
    filter.von = d->kunde;
    filter.fahrer = d->obrien;
    EXPECT_EQ(ids(filter), std::vector<int>{rueck});
}

// The start record never counts; a trip whose driver is gone is listed with a marked placeholder.
TEST_P(AuswertungStoreTest, StartsatzFehltWaiseMitPlatzhalter)
{
    const int gut = build::fahrt(d->fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 0, 10));
    // Kind 99 ("n") with every master row present.
    auto startsatz = d->fahrt(am(2006, 5, 3, 8), am(2006, 5, 3, 9), 10, 20);
    startsatz.art = 99;
    build::fahrt(startsatz);
    // A driver that no longer exists.
    auto waise = d->fahrt(am(2006, 5, 4, 8), am(2006, 5, 4, 9), 20, 30);
    waise.fahrer = 999;

    const int gelistet = build::fahrt(waise);

    EXPECT_EQ(ids(allesBis(QDate(2006, 6, 1))), (std::vector<int>{gut, gelistet}));
    const Fahrtenliste liste = store.fahrten(allesBis(QDate(2006, 6, 1)));
    EXPECT_EQ(liste.zelle(1, Fahrtenliste::Fahrer), QStringLiteral("(fehlt: Fahrer 999)"));
    EXPECT_EQ(liste.kilometer(), 20);
}

struct OhneBemerkungsfeldFall {
    Fahrtenfilter::Bemerkung auswahl;
    bool gelistet;
};

class OhneBemerkungsfeldTest : public ::testing::TestWithParam<std::tuple<OhneBemerkungsfeldFall, Datenbankart>> {
protected:
    void SetUp() override
    {
        if (fuerTestOeffnen(db, std::get<1>(GetParam())))
            d.emplace();
    }

    std::optional<TestDatabase> db;
    std::optional<Auswertungsdaten> d;
};

TEST_P(OhneBemerkungsfeldTest, GiltAlsFahrtOhneBemerkung)
{
    const OhneBemerkungsfeldFall& fall = std::get<0>(GetParam());
    const int id = build::fahrt(d->fahrt(am(2006, 5, 5, 8), am(2006, 5, 5, 9), 30, 40));
    SqlStatement("UPDATE T_MIREL SET Bemerkung = NULL WHERE ID = ?").bind(id).exec();
    Fahrtenfilter filter = Fahrtenfilter::zurueckgesetzt(QDate(2006, 6, 1), true);
    filter.bemerkung = fall.auswahl;
    const Fahrtenliste liste = AuswertungStore().fahrten(filter);
    EXPECT_EQ(liste.anzahl(), fall.gelistet ? 1u : 0u);
    if (!liste.leer()) {
        EXPECT_EQ(liste.zelle(0, Fahrtenliste::Bem), QStringLiteral(" "));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Auswahl, OhneBemerkungsfeldTest,
    ::testing::Combine(::testing::Values(OhneBemerkungsfeldFall{Fahrtenfilter::Bemerkung::Alle, true},
                                         OhneBemerkungsfeldFall{Fahrtenfilter::Bemerkung::Keine, true},
                                         OhneBemerkungsfeldFall{Fahrtenfilter::Bemerkung::Ja, false}),
                       ::testing::Values(Datenbankart::SQLite, Datenbankart::PostgreSQL)));

TEST_P(AuswertungStoreTest, MusterfahrzeugNurMitOption)
{
    auto muster = d->fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 10000, 10010);
    muster.kfz = 1;
    const int musterfahrt = build::fahrt(muster);
    EXPECT_TRUE(ids(allesBis(QDate(2006, 6, 1))).empty());
    EXPECT_EQ(ids(Fahrtenfilter::zurueckgesetzt(QDate(2006, 6, 1), false)), std::vector<int>{musterfahrt});
    EXPECT_FALSE(store.musterfahrzeugEinbeziehen());
    build::optionen(QStringLiteral("Muster"), 1);
    EXPECT_TRUE(store.musterfahrzeugEinbeziehen());
}

TEST_P(AuswertungStoreTest, MeldetFortschrittBisHundert)
{
    for (int i = 0; i < 7; ++i)
        build::fahrt(d->fahrt(am(2006, 5, 2 + i, 8), am(2006, 5, 2 + i, 9), i * 10, i * 10 + 10));
    std::vector<int> gemeldet;
    store.fahrten(allesBis(QDate(2006, 6, 1)), [&gemeldet](int prozent) { gemeldet.push_back(prozent); });
    ASSERT_FALSE(gemeldet.empty());
    EXPECT_TRUE(std::is_sorted(gemeldet.begin(), gemeldet.end()));
    EXPECT_EQ(gemeldet.back(), 100);
    EXPECT_GE(gemeldet.size(), 7u);
}

TEST_P(AuswertungStoreTest, FilterZeileSpeichertTexteMitApostroph)
{
    store.filterMerken({"1.1.2002", "1.6.2006", "alle", "D'dorf Kunde", "0", "3000000", "B-XY 1, Golf", "O'Brien",
                        "alle", "alle", "alle", "keine"});
    SqlStatement s("SELECT AbDat, Nach, Fahrer, Bemerkung FROM T_FILTER WHERE ID = 1");
    s.exec();
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.text("AbDat"), QStringLiteral("1.1.2002"));
    EXPECT_EQ(s.text("Nach"), QStringLiteral("D'dorf Kunde"));
    EXPECT_EQ(s.text("Fahrer"), QStringLiteral("O'Brien"));
    EXPECT_EQ(s.text("Bemerkung"), QStringLiteral("keine"));
}

TEST_P(AuswertungStoreTest, StammfahrtWirdUeberallInDerTabelleErkannt)
{
    const Stammfahrt gesucht{d->buero, d->kunde, 40, d->besuch, d->standard, 4};
    EXPECT_FALSE(StammfahrtStore::vorhanden(gesucht));
    StammfahrtStore::anlegen({d->buero, d->zuhause, 12, d->besuch, d->standard, 4});
    StammfahrtStore::anlegen({d->kunde, d->kunde, 40, d->besuch, d->standard, 4});
    EXPECT_FALSE(StammfahrtStore::vorhanden(gesucht));
    StammfahrtStore::anlegen(gesucht);
    StammfahrtStore::anlegen({d->zuhause, d->buero, 3, d->besuch, d->standard, 2});
    EXPECT_TRUE(StammfahrtStore::vorhanden(gesucht));
    auto andereKategorie = gesucht;
    andereKategorie.kategorie = d->extra;
    EXPECT_FALSE(StammfahrtStore::vorhanden(andereKategorie));
}

TEST_P(AuswertungStoreTest, FahrzeugeMitKilometernJeArt)
{
    auto privat = d->fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 1000, 1030);
    privat.art = 2;
    build::fahrt(privat);
    build::fahrt(d->fahrt(am(2006, 5, 3, 8), am(2006, 5, 3, 9), 1030, 1100));
    auto passat = d->fahrt(am(2006, 5, 3, 8), am(2006, 5, 3, 9), 500, 520);
    passat.kfz = d->passat;
    passat.art = 3;
    passat.fahrer = d->obrien;
    build::fahrt(passat);

    const auto fahrzeuge = store.fahrzeuge(allesBis(QDate(2006, 6, 1)));
    ASSERT_EQ(fahrzeuge.size(), 2u);
    EXPECT_EQ(fahrzeuge[0].name, QStringLiteral("B-XY 1, Golf"));
    EXPECT_EQ(fahrzeuge[0].anzahl, 2);
    EXPECT_EQ(fahrzeuge[0].km, (KilometerJeArt{0, 30, 0, 70}));
    EXPECT_EQ(fahrzeuge[1].km, (KilometerJeArt{0, 0, 20, 0}));

    Fahrtenfilter nurMeier = allesBis(QDate(2006, 6, 1));
    nurMeier.fahrer = d->meier;
    EXPECT_EQ(store.fahrzeuge(nurMeier).size(), 1u);
}

TEST_P(AuswertungStoreTest, TagesfahrtenNachAnkunftstag)
{
    build::fahrt(d->fahrt(am(2006, 5, 1, 23), am(2006, 5, 2, 1), 0, 100));
    build::fahrt(d->fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 100, 140));
    build::fahrt(d->fahrt(am(2006, 5, 2, 23), am(2006, 5, 3, 1), 140, 200));
    const auto fahrten = store.tagesfahrten(d->meier, QDate(2006, 5, 2));
    ASSERT_EQ(fahrten.size(), 2u);
    EXPECT_EQ(fahrten[0].fahrt.kmAn, 100);
    EXPECT_EQ(fahrten[1].von, QStringLiteral("Büro"));
    EXPECT_EQ(fahrten[1].art, QStringLiteral("G"));
}

TEST_P(AuswertungStoreTest, LiestStueckweiseDieselbeListe)
{
    // Stored against departure order, so the pieces come unordered.
    for (int tag = 5; tag >= 1; --tag)
        build::fahrt(d->fahrt(am(2006, 5, tag, 8), am(2006, 5, tag, 9), 1000 + tag * 10, 1005 + tag * 10));
    const Fahrtenfilter filter = allesBis(QDate(2006, 6, 1));
    std::vector<int> prozente;
    Fahrtenleser leser(
        filter, [&prozente](int prozent) { prozente.push_back(prozent); }, 2);
    std::vector<GelisteteFahrt> fahrten;
    std::vector<std::size_t> stuecke;
    while (!leser.fertig()) {
        const std::size_t vorher = fahrten.size();
        leser.weiterlesen(fahrten, 2);
        stuecke.push_back(fahrten.size() - vorher);
    }
    EXPECT_EQ(stuecke.front(), 2u);
    EXPECT_EQ(fahrten.size(), 5u);
    EXPECT_GE(leser.geschaetzteAnzahl(), 5u);
    // The gauge counted over the first piece only and was full once it was read.
    ASSERT_FALSE(prozente.empty());
    EXPECT_EQ(prozente.back(), 100);
    Fahrtenliste liste = leser.liste(std::move(fahrten));
    liste.ordnen();
    std::vector<int> gelesen;
    for (const GelisteteFahrt& f : liste.fahrten())
        gelesen.push_back(f.id);
    EXPECT_EQ(gelesen, ids(filter));
    EXPECT_EQ(liste.kilometer(), 25);
    EXPECT_EQ(liste.anzahlAktuell(), 5u);
}
