#include "Auswertungsdaten.h"

#include "common/GermanFormat.h"
#include "evaluation/AuswertungStore.h"
#include "evaluation/BerichtStore.h"
#include "evaluation/report/Berichtsfahrten.h"

#include <gtest/gtest.h>

// The printed trips carry what the list's columns show: the same names, odometers and kind.
TEST(Berichtsfahrten, TragenDieWerteDerListenspalten)
{
    TestDatabase db;
    Auswertungsdaten d;
    auto lager = d.lagerfahrt();
    lager.kategorie = d.extra;
    lager.bemerkung = QStringLiteral("Reifen prüfen");
    build::fahrt(lager);
    build::fahrt(d.heimfahrt());
    const Fahrtenliste liste = AuswertungStore().fahrten(Fahrtenfilter::zurueckgesetzt(QDate(2007, 1, 1), true));
    const BerichtStore store;

    const std::vector<FahrtenZeile> zeilen = berichtsfahrten(liste, store.bemerkungen(liste), store.erfassungen(liste));

    ASSERT_EQ(zeilen.size(), 2u);
    for (std::size_t zeile = 0; zeile < zeilen.size(); ++zeile) {
        const FahrtenZeile& f = zeilen[zeile];
        const auto zelle = [&](Fahrtenliste::Spalte spalte) { return liste.zelle(zeile, spalte); };
        EXPECT_EQ(german::dateTime(f.abDat), zelle(Fahrtenliste::Abfahrt));
        EXPECT_EQ(german::timeWithSeconds(f.anDat.time()), zelle(Fahrtenliste::Ankunft));
        EXPECT_EQ(QStringList({f.start, f.ziel, QString::number(f.kmAb), QString::number(f.kmAn), f.kfz, f.fahrer,
                               f.zweck, f.kategorie, f.art}),
                  QStringList({zelle(Fahrtenliste::Von), zelle(Fahrtenliste::Nach), zelle(Fahrtenliste::KmAbf),
                               zelle(Fahrtenliste::KmAnk), zelle(Fahrtenliste::Fahrzeug), zelle(Fahrtenliste::Fahrer),
                               zelle(Fahrtenliste::Zweck), zelle(Fahrtenliste::Kategorie), zelle(Fahrtenliste::Art)}));
    }
    EXPECT_EQ(zeilen[0].start, QStringLiteral("Lager \"Nord\"; Tor 2"));
    EXPECT_EQ(zeilen[0].fahrer, QStringLiteral("O'Brien"));
    EXPECT_EQ(zeilen[0].kategorie, QStringLiteral("Extra"));
    EXPECT_EQ(zeilen[0].bemerkung, QStringLiteral("Reifen prüfen"));
    EXPECT_EQ(zeilen[1].ziel, QStringLiteral("Zuhause"));
    EXPECT_EQ(zeilen[1].art, QStringLiteral("P"));
}
