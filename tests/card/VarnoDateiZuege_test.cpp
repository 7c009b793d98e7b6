#include "card/KartenlistenZuege.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Ten entries "A".."J" in rows 0 to 9, rows 10 to 29 empty, as a card list holds them.
QStringList zehnEintraege()
{
    QStringList liste;
    for (char c = 'A'; c <= 'J'; ++c)
        liste << QString(QLatin1Char(c));
    while (liste.size() < 30)
        liste << QString();
    return liste;
}

QStringList mit(QStringList liste, int zeile, const QString& text)
{
    liste[zeile] = text;
    return liste;
}

QStringList getauscht(QStringList liste, int a, int b)
{
    liste.swapItemsAt(a, b);
    return liste;
}

using Zug = std::function<std::optional<int>(QStringList&, int)>;

struct ZugFall {
    const char* name;
    Zug zug;
    int zeile;
    std::optional<int> neueZeile;
    QStringList erwartet;
};

void PrintTo(const ZugFall& fall, std::ostream* os)
{
    *os << fall.name;
}

class Kartenlistenzug : public ::testing::TestWithParam<ZugFall> {};

} // namespace

TEST_P(Kartenlistenzug, AendertListeUndWaehltZeile)
{
    const ZugFall& fall = GetParam();
    QStringList liste = zehnEintraege();
    EXPECT_EQ(fall.zug(liste, fall.zeile), fall.neueZeile);
    EXPECT_EQ(liste, fall.erwartet);
}

const Zug uebernehmeX = [](QStringList& l, int z) { return kartenliste::uebernehmen(l, z, QStringLiteral("X")); };

INSTANTIATE_TEST_SUITE_P(
    Faelle, Kartenlistenzug,
    ::testing::Values(
        ZugFall{"uebernehmenErsetzt", uebernehmeX, 3, 3, mit(zehnEintraege(), 3, QStringLiteral("X"))},
        ZugFall{"uebernehmenInLeereZeile", uebernehmeX, 29, 29, mit(zehnEintraege(), 29, QStringLiteral("X"))},
        ZugFall{"uebernehmenOhneZeile", uebernehmeX, -1, std::nullopt, zehnEintraege()},
        ZugFall{"hoeherTauschtMitDarueber", kartenliste::hoeher, 4, 3, getauscht(zehnEintraege(), 3, 4)},
        ZugFall{"hoeherErsteZeileBleibt", kartenliste::hoeher, 0, std::nullopt, zehnEintraege()},
        ZugFall{"hoeherOhneZeile", kartenliste::hoeher, -1, std::nullopt, zehnEintraege()},
        ZugFall{"tieferTauschtMitDarunter", kartenliste::tiefer, 4, 5, getauscht(zehnEintraege(), 4, 5)},
        ZugFall{"tieferLetzteZeileBleibt", kartenliste::tiefer, 29, std::nullopt, zehnEintraege()},
        ZugFall{"tieferOhneZeile", kartenliste::tiefer, -1, std::nullopt, zehnEintraege()},
        ZugFall{"loeschenZeile5", kartenliste::loeschen, 5, 5,
                QStringList{"A", "B", "C", "D", "E", "G", "H", "I", "J"} + QStringList(21, QString())},
        ZugFall{"loeschenLetzteZeileLeert", kartenliste::loeschen, 29, 29, zehnEintraege()},
        ZugFall{"loeschenErsteZeile", kartenliste::loeschen, 0, 0,
                QStringList{"B", "C", "D", "E", "F", "G", "H", "I", "J"} + QStringList(21, QString())},
        ZugFall{"loeschenOhneZeile", kartenliste::loeschen, -1, std::nullopt, zehnEintraege()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Kartenlistenzug, LoeschenInDerLetztenZeileLeertSie)
{
    QStringList liste(30, QStringLiteral("voll"));
    EXPECT_EQ(kartenliste::loeschen(liste, 29), 29);
    EXPECT_EQ(liste[29], QString());
    EXPECT_EQ(liste[28], QStringLiteral("voll"));
    EXPECT_EQ(liste.size(), 30);
}
