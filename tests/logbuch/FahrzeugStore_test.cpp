#include "db/SqlDate.h"
#include "db/SqlStatement.h"
#include "logbuch/FahrzeugStore.h"
#include "logbuch/Fahrzeuganlage.h"
#include "logbuch/OptionenStore.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {
std::vector<KFZEintrag> liste()
{
    return FahrzeugStore::offeneFahrzeuge();
}

// The main window's start as it reads the options: its position and the place of the remembered
// vehicle in the list.
struct Fensterstart {
    int x = 0;
    int y = 0;
    int index = 0;
};

Fensterstart fensterstart(const std::vector<KFZEintrag>& l)
{
    const OptionenStore::Hauptfenster fenster = OptionenStore::hauptfenster();
    return {fenster.x, fenster.y, listenplatz(l, fenster.letztesFahrzeug)};
}

const KFZEintrag& eintrag(const std::vector<KFZEintrag>& l, const QString& name)
{
    for (const KFZEintrag& e : l)
        if (e.KZuFzg == name)
            return e;
    throw std::runtime_error("Fahrzeug fehlt");
}
} // namespace

class FahrzeugStoreTest : public BeideDatenbanken {};
MIT_BEIDEN_DATENBANKEN(FahrzeugStoreTest);

TEST_P(FahrzeugStoreTest, KmStandOhneFahrtenIstAnfangsstandMitFahrtenDerGroessteZielstand)
{
    SqlStatement("INSERT INTO T_KFZ (KZuFzg, AnfKM) VALUES ('A-OHNE 1', 4711)").exec();
    const int mit = build::fahrzeug({.kennzeichen = QStringLiteral("B-MIT 2"), .anfKm = 1000});
    build::fahrt({.kfz = mit, .ab = QDateTime(QDate(2006, 1, 2), QTime(8, 0)),
                  .an = QDateTime(QDate(2006, 1, 2), QTime(9, 0)), .kmAb = 1000, .kmAn = 1250});
    build::fahrt({.kfz = mit, .ab = QDateTime(QDate(2006, 1, 1), QTime(8, 0)),
                  .an = QDateTime(QDate(2006, 1, 1), QTime(9, 0)), .kmAb = 900, .kmAn = 1100});

    const auto l = liste();
    EXPECT_EQ(eintrag(l, QStringLiteral("A-OHNE 1")).KmStand, 4711);
    EXPECT_EQ(eintrag(l, QStringLiteral("B-MIT 2")).KmStand, 1250);
    EXPECT_EQ(eintrag(l, QStringLiteral("A-OHNE 1")).InspDat, QStringLiteral("01.01.2002"));
}

TEST_P(FahrzeugStoreTest, ListeEnthaeltNurOffeneFahrzeugeNachKennzeichen)
{
    build::fahrzeug({.kennzeichen = QStringLiteral("Z-LETZT 9")});
    const int zu = build::fahrzeug({.kennzeichen = QStringLiteral("A-ZU 1")});
    SqlStatement("UPDATE T_KFZ SET Abgeschlossen = 1 WHERE ID = ?").bind(zu).exec();

    const auto l = liste();
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].KZuFzg, QStringLiteral("Musterfahrzeug"));
    EXPECT_EQ(l[1].KZuFzg, QStringLiteral("Z-LETZT 9"));
}

TEST_P(FahrzeugStoreTest, OptionenLesenWaehltGemerktesOderErstesFahrzeug)
{
    const int zweites = build::fahrzeug({.kennzeichen = QStringLiteral("Z-ZWEI 2")});
    OptionenStore::fahrzeugMerken(zweites);
    OptionenStore::fensterposSpeichern(123, 45);

    auto l = liste();
    auto optionen = fensterstart(l);
    EXPECT_EQ(optionen.index, 1);
    EXPECT_EQ(optionen.x, 123);
    EXPECT_EQ(optionen.y, 45);

    build::optionen(QStringLiteral("lKFZ"), 0);
    EXPECT_EQ(fensterstart(l).index, 0);

    build::optionen(QStringLiteral("lKFZ"), 1);
    SqlStatement("UPDATE T_KFZ SET Abgeschlossen = 1 WHERE ID = ?").bind(zweites).exec();
    l = liste();
    EXPECT_EQ(fensterstart(l).index, 0);
}

TEST_P(FahrzeugStoreTest, KFZAnlegenSchreibtStartsatz)
{
    NeuesFahrzeug neu;
    neu.kennzeichen = QStringLiteral("O'Neil, Golf");
    neu.start = QDateTime(QDate(2005, 12, 24), QTime(0, 0));
    neu.anfkm = 12345;
    const int id = fahrzeuganlage::anlegen(neu).value();

    SqlStatement start("SELECT AbDat, AnDat, km_an, Art, Zweck, Start, Ziel FROM T_MIREL WHERE KFZ = ?");
    start.bind(id).exec();
    ASSERT_TRUE(start.next());
    EXPECT_EQ(start.text("AbDat"), QStringLiteral("2005-12-24 00:00:00"));
    EXPECT_EQ(start.text("AnDat"), QStringLiteral("2005-12-24 00:00:00"));
    EXPECT_EQ(start.intValue("km_an"), 12345);
    EXPECT_EQ(start.intValue("Art"), 99);
    EXPECT_EQ(start.intValue("Zweck"), 1);
    EXPECT_TRUE(start.isNull("Start"));
    EXPECT_FALSE(start.next());
    // The start record keeps the plate it prints; the new vehicle is a chained protocol entry.
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE KFZ = ? AND Kennzeichen = ?",
                                      {id, QStringLiteral("O'Neil, Golf")}),
              1);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Protokoll WHERE Ereignis = ? AND Beschreibung = ?",
                                      {QStringLiteral("Stammdaten angelegt"),
                                       QStringLiteral("Fahrzeug „O'Neil, Golf“ (ID %1) angelegt.").arg(id)}),
              1);

    EXPECT_EQ(eintrag(liste(), QStringLiteral("O'Neil, Golf")).KmStand, 12345);
}

TEST_P(FahrzeugStoreTest, KFZAnlegenLaesstOhneStartsatzNichtsZurueck)
{
    // A broken logbook table makes the second insert fail; the vehicle must not remain alone.
    SqlStatement::direkt(QStringLiteral("DROP TABLE T_MIREL"));
    NeuesFahrzeug neu;
    neu.kennzeichen = QStringLiteral("X-FEHL 1");
    neu.start = QDateTime(QDate(2006, 1, 1), QTime(0, 0));
    EXPECT_ANY_THROW(fahrzeuganlage::anlegen(neu));
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_KFZ WHERE KZuFzg = 'X-FEHL 1'"), 0);
}

TEST_P(FahrzeugStoreTest, InspektionSpeichern)
{
    FahrzeugStore::inspektionSpeichern(1, 15000, QDate(2007, 3, 1));
    const auto e = eintrag(liste(), QStringLiteral("Musterfahrzeug"));
    EXPECT_EQ(e.InspKM, 15000);
    EXPECT_EQ(e.InspDat, QStringLiteral("01.03.2007"));
}
