#include "common_ui/Fensterplatz.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A 1600×1000 screen whose panel takes the top 30 pixels.
const QRect bereich(0, 30, 1600, 970);

struct Platzfall {
    const char* name;
    QSize rahmen;
    QPoint mitte;
    QPoint erwartet;
};

void PrintTo(const Platzfall& fall, std::ostream* os) { *os << fall.name; }

class FensterplatzImBereich : public ::testing::TestWithParam<Platzfall> {};

TEST_P(FensterplatzImBereich, LiegtGanzImBereichUndSonstMoeglichstMittig)
{
    const Platzfall& fall = GetParam();
    const QPoint links_oben = fensterplatz::imBereich(fall.rahmen, fall.mitte, bereich);
    EXPECT_EQ(links_oben, fall.erwartet);
    const QRect fenster(links_oben, fall.rahmen);
    if (fall.rahmen.width() <= bereich.width() && fall.rahmen.height() <= bereich.height()) {
        EXPECT_TRUE(bereich.contains(fenster)) << fenster.x() << "," << fenster.y();
    }
    EXPECT_TRUE(bereich.contains(links_oben)) << "title bar off the screen";
}

INSTANTIATE_TEST_SUITE_P(
    Lagen, FensterplatzImBereich,
    ::testing::Values(
        Platzfall{"mittig_bleibt_mittig", {400, 300}, {800, 500}, {600, 350}},
        Platzfall{"ueber_linkem_rand", {800, 600}, {274, 400}, {0, 100}},
        Platzfall{"ueber_rechtem_rand", {800, 600}, {1500, 400}, {800, 100}},
        Platzfall{"unter_der_leiste_oben", {800, 600}, {800, 100}, {400, 30}},
        Platzfall{"ueber_unterem_rand", {800, 600}, {800, 950}, {400, 400}},
        Platzfall{"ecke_links_oben", {500, 400}, {-50, -50}, {0, 30}},
        Platzfall{"ecke_rechts_unten", {500, 400}, {1700, 1100}, {1100, 600}},
        Platzfall{"genau_so_gross_wie_der_bereich", {1600, 970}, {100, 100}, {0, 30}},
        Platzfall{"breiter_als_der_bildschirm", {2000, 500}, {800, 500}, {0, 250}},
        Platzfall{"hoeher_als_der_bildschirm", {500, 1200}, {1500, 900}, {1100, 30}},
        Platzfall{"groesser_als_der_bildschirm", {2400, 1400}, {1590, 990}, {0, 30}}),
    [](const ::testing::TestParamInfo<Platzfall>& info) { return std::string(info.param.name); });

// A real window opened over a main window near the left edge stays on the screen.
TEST(Fensterplatz, FensterUeberEinemHauptfensterAmRandBleibtAufDemBildschirm)
{
    QScreen* bildschirm = QGuiApplication::primaryScreen();
    ASSERT_NE(bildschirm, nullptr);
    const QRect verfuegbar = bildschirm->availableGeometry();
    QWidget haupt;
    haupt.setGeometry(verfuegbar.x() + 10, verfuegbar.y() + 10, 200, 150);
    haupt.show();
    QWidget fenster(&haupt, Qt::Window);
    fenster.resize(verfuegbar.width() * 3 / 4, verfuegbar.height() / 2);
    fensterplatz::zentrieren(&fenster, &haupt);
    fenster.show();
    EXPECT_TRUE(verfuegbar.contains(fenster.frameGeometry())) << fenster.x() << "," << fenster.y();
    EXPECT_EQ(fenster.frameGeometry().x(), verfuegbar.x());
}

TEST(Fensterplatz, OhneBezugBleibtDasFensterWoEsIst)
{
    QWidget fenster;
    fenster.move(37, 41);
    fensterplatz::zentrieren(&fenster, nullptr);
    EXPECT_EQ(fenster.pos(), QPoint(37, 41));
}

} // namespace
