#include "Auswertungsdaten.h"

#include "evaluation/Auswertungsanzeige.h"

#include <gtest/gtest.h>

using auswertungsanzeige::Ansicht;
using auswertungsanzeige::Gruppierung;

namespace {

struct WahlFall {
    const char* name;
    Gruppierung gruppierung;
    bool mitFahrer;
    QDate von;
    QDate bis;
    bool beideDaten;
    Ansicht erwartet;
};

class Ansichtswahl : public ::testing::TestWithParam<WahlFall> {};

Fahrtenfilter filter(std::optional<int> fahrer, const QDate& von, const QDate& bis)
{
    Fahrtenfilter f = Fahrtenfilter::zurueckgesetzt(bis, false);
    f.fahrer = fahrer;
    f.abfahrtAb = filtergrenzen::abfahrtAb(von);
    f.ankunftBis = filtergrenzen::ankunftBis(bis);
    return f;
}

const QDate mai2(2006, 5, 2);
const QDate mai3(2006, 5, 3);

} // namespace

TEST_P(Ansichtswahl, FolgtGruppierungFahrerUndTag)
{
    const auto& fall = GetParam();
    const auto gewaehlt = auswertungsanzeige::waehlen(
        fall.gruppierung, filter(fall.mitFahrer ? std::optional<int>(3) : std::nullopt, fall.von, fall.bis),
        fall.beideDaten);
    EXPECT_EQ(gewaehlt, fall.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Ansichtswahl,
    ::testing::Values(WahlFall{"Fahrten", Gruppierung::NachFahrten, true, mai2, mai2, true, Ansicht::Fahrten},
                      WahlFall{"Fahrzeuge", Gruppierung::NachFahrzeugen, true, mai2, mai2, true, Ansicht::Fahrzeuge},
                      WahlFall{"AlleFahrer", Gruppierung::NachFahrern, false, mai2, mai2, true, Ansicht::AlleFahrer},
                      WahlFall{"FahrerEinTag", Gruppierung::NachFahrern, true, mai2, mai2, true,
                               Ansicht::FahrerAnEinemTag},
                      WahlFall{"FahrerZweiTage", Gruppierung::NachFahrern, true, mai2, mai3, true,
                               Ansicht::FahrerJeTag},
                      // The same day only counts when both bounds were ticked.
                      WahlFall{"FahrerEinTagOhneHaekchen", Gruppierung::NachFahrern, true, mai2, mai2, false,
                               Ansicht::FahrerJeTag}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Auswertungsanzeige, GrenzenWieDieBerichteSieNennen)
{
    const QDate heute(2006, 6, 1);
    EXPECT_EQ(auswertungsanzeige::anzeigeVon(std::nullopt), QStringLiteral("1.1.2002"));
    EXPECT_EQ(auswertungsanzeige::anzeigeVon(QDate(2006, 3, 9)), QStringLiteral("9.3.2006"));
    EXPECT_EQ(auswertungsanzeige::anzeigeBis(std::nullopt, heute), QStringLiteral("1.6.2006"));
    EXPECT_EQ(auswertungsanzeige::anzeigeBis(QDate(2006, 12, 24), heute), QStringLiteral("24.12.2006"));
}

class AnzeigeAbfrage : public ::testing::Test {
protected:
    AnzeigeAbfrage()
    {
        auto morgens = d.fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 1000, 1040);
        morgens.fahrer = d.meier;
        build::fahrt(morgens);
        auto abends = d.fahrt(am(2006, 5, 3, 18), am(2006, 5, 3, 19), 1040, 1100);
        abends.fahrer = d.meier;
        build::fahrt(abends);
    }

    TestDatabase db;
    Auswertungsdaten d;
    AuswertungStore store;
};

TEST_F(AnzeigeAbfrage, FahrtenMitFortschritt)
{
    std::vector<int> gemeldet;
    const auto ergebnis = auswertungsanzeige::abfragen(store, Ansicht::Fahrten, filter(std::nullopt, mai2, mai3),
                                                       [&](int prozent) { gemeldet.push_back(prozent); });
    EXPECT_EQ(ergebnis.fahrten.anzahl(), 2u);
    EXPECT_EQ(ergebnis.fahrten.kilometer(), 100);
    ASSERT_FALSE(gemeldet.empty());
    EXPECT_EQ(gemeldet.back(), 100);
}

TEST_F(AnzeigeAbfrage, FahrerJeTagEineZeileJeTagUndSumme)
{
    const auto ergebnis = auswertungsanzeige::abfragen(store, Ansicht::FahrerJeTag, filter(d.meier, mai2, mai3));
    EXPECT_EQ(ergebnis.tabelle.zeilen.size(), 3u);
    EXPECT_EQ(ergebnis.dateiTabelle.zeilen.size(), ergebnis.tabelle.zeilen.size());
}

TEST_F(AnzeigeAbfrage, FahrerAnEinemTagNurDessenFahrten)
{
    const auto ergebnis = auswertungsanzeige::abfragen(store, Ansicht::FahrerAnEinemTag, filter(d.meier, mai3, mai3));
    ASSERT_FALSE(ergebnis.tabelle.zeilen.empty());
    EXPECT_EQ(ergebnis.tabelle.zeilen.front().at(0), QStringLiteral("18:00"));
}

TEST_F(AnzeigeAbfrage, FahrzeugeMitDiagrammdaten)
{
    const auto ergebnis = auswertungsanzeige::abfragen(store, Ansicht::Fahrzeuge, filter(std::nullopt, mai2, mai3));
    ASSERT_EQ(ergebnis.fahrzeuge.size(), 1u);
    EXPECT_EQ(ergebnis.fahrzeuge.front().km.gesamt(), 100);
    EXPECT_EQ(ergebnis.dateiTabelle.zeilen, ergebnis.tabelle.zeilen);
}
