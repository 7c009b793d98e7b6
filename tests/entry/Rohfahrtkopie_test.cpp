#include "entry/Fahrtart.h"
#include "entry/Rohfahrtkopie.h"

#include <gtest/gtest.h>

namespace {

const QDateTime start(QDate(2006, 3, 14), QTime(8, 15));

Rohfahrt lieferung()
{
    return {.id = 5,
            .startzeit = start,
            .startkm = 12000,
            .zielzeit = start.addSecs(2700),
            .zielkm = 12045,
            .fahrer = QStringLiteral("Meier"),
            .art = QStringLiteral("D"),
            .ort = QStringLiteral("Kunde"),
            .grund = QStringLiteral("Besuch"),
            .kat = QStringLiteral("Vertrieb")};
}

struct AnschlussFall {
    const char* name;
    qint64 letzterKmStand;
    const char* letztesZiel;
    const char* von;
    bool vonFrei;
};

class Anschluss : public ::testing::TestWithParam<AnschlussFall> {};

} // namespace

TEST(Rohfahrtkopie, AufgezeichneteFahrtFestUndVollstaendig)
{
    const Rohfahrtkopie kopie = rohfahrtKopieren(lieferung(), 12000, QStringLiteral("Büro"));
    EXPECT_EQ(kopie.datum, start.date());
    EXPECT_EQ(kopie.abfahrt, QStringLiteral("08:15"));
    EXPECT_FALSE(kopie.abfahrtFrei);
    EXPECT_EQ(kopie.ankunft, QStringLiteral("09:00"));
    EXPECT_FALSE(kopie.ankunftFrei);
    EXPECT_EQ(kopie.kmStand, QStringLiteral("12045"));
    EXPECT_EQ(kopie.km, QStringLiteral("45"));
    EXPECT_FALSE(kopie.kmFrei);
    EXPECT_EQ(kopie.nach, QStringLiteral("Kunde"));
    EXPECT_EQ(kopie.zweck, QStringLiteral("Besuch"));
    EXPECT_EQ(kopie.kategorie, QStringLiteral("Vertrieb"));
    EXPECT_EQ(kopie.fahrer, QStringLiteral("Meier"));
    EXPECT_EQ(kopie.art, Geschaeftlich);
    EXPECT_FALSE(kopie.hinweis);
    EXPECT_FALSE(kopie.warnung);
}

TEST_P(Anschluss, StartNurVomLetztenZielWennDieFahrtDortBeginnt)
{
    const auto& fall = GetParam();
    const Rohfahrtkopie kopie =
        rohfahrtKopieren(lieferung(), fall.letzterKmStand, QString::fromUtf8(fall.letztesZiel));
    EXPECT_EQ(kopie.von, QString::fromUtf8(fall.von));
    EXPECT_EQ(kopie.vonFrei, fall.vonFrei);
}

INSTANTIATE_TEST_SUITE_P(Fahrten, Anschluss,
                         ::testing::Values(AnschlussFall{"SchliesstAn", 12000, "Büro", "Büro", false},
                                           AnschlussFall{"Luecke", 11990, "Büro", "keine Angabe", true},
                                           AnschlussFall{"OhneLetztesZiel", 12000, "", "keine Angabe", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Rohfahrtkopie, LeereKartenwerteWerdenVorgaben)
{
    Rohfahrt fahrt = lieferung();
    fahrt.ort.clear();
    fahrt.grund.clear();
    fahrt.kat.clear();
    fahrt.fahrer = QStringLiteral("unbekannt");
    fahrt.art = QStringLiteral("X");
    const Rohfahrtkopie kopie = rohfahrtKopieren(fahrt, 0, {});
    EXPECT_EQ(kopie.nach, QStringLiteral("keine Angabe"));
    EXPECT_EQ(kopie.zweck, QStringLiteral("keine Angabe"));
    EXPECT_EQ(kopie.kategorie, QStringLiteral("Standard"));
    EXPECT_EQ(kopie.fahrer, QStringLiteral("keine Angabe"));
    EXPECT_EQ(kopie.art, Unzugeordnet);
}

TEST(Rohfahrtkopie, ZuFruehesOderFehlendesDatumLaesstDieAbfahrtOffen)
{
    Rohfahrt fahrt = lieferung();
    fahrt.startzeit = QDateTime(QDate(2002, 12, 31), QTime(23, 0));
    const Rohfahrtkopie frueh = rohfahrtKopieren(fahrt, 0, {});
    EXPECT_EQ(frueh.datum, QDate(2003, 1, 1));
    EXPECT_TRUE(frueh.abfahrt.isEmpty());
    EXPECT_TRUE(frueh.abfahrtFrei);
    ASSERT_TRUE(frueh.hinweis);
    EXPECT_TRUE(frueh.hinweis->startsWith(QStringLiteral("Das Datum liegt vor dem 01.01.2003")));

    fahrt.startzeit.reset();
    EXPECT_TRUE(rohfahrtKopieren(fahrt, 0, {}).abfahrtFrei);
}

TEST(Rohfahrtkopie, OhneAnkunftsstandBleibenKilometerUndAnkunftOffen)
{
    Rohfahrt fahrt = lieferung();
    fahrt.zielkm = 0;
    fahrt.zielzeit.reset();
    const Rohfahrtkopie kopie = rohfahrtKopieren(fahrt, 12000, QStringLiteral("Büro"));
    EXPECT_EQ(kopie.kmStand, QStringLiteral("12000"));
    EXPECT_FALSE(kopie.km);
    EXPECT_TRUE(kopie.kmFrei);
    EXPECT_FALSE(kopie.von);
    EXPECT_TRUE(kopie.ankunft.isEmpty());
    EXPECT_TRUE(kopie.ankunftFrei);
    ASSERT_TRUE(kopie.warnung);
    EXPECT_TRUE(kopie.warnung->startsWith(QStringLiteral("Während der Fahrt wurde das Anschlusskabel entfernt.")));
}
