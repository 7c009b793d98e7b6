#include "card/Kartenuebernahme.h"
#include "card/datafile/CardFile.h"
#include "common/Clock.h"
#include "db/SqlStatement.h"
#include "support/CardFileBuilder.h"
#include "support/TestDatabase.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QString kartenId = QStringLiteral("123456789");

QString schluessel(const cardfile::CardRecord& record)
{
    return QStringLiteral("%1 - Lieferwagen").arg(record.vehicleNumber);
}

int rohfahrten()
{
    return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_basis"));
}

struct GruenFall {
    const char* name;
    std::vector<bool> rot;
    std::vector<int> gruen; // positions of the trips taken over
};

class Gruene : public ::testing::TestWithParam<GruenFall> {};

// A card with three trips of vehicle 7 and a waypoint, read once.
class Kartenuebernahme : public ::testing::Test {
protected:
    Kartenuebernahme()
    {
        Clock::setFixed(QDateTime(QDate(2006, 3, 1), QTime(12, 0)));
        pfad = QDir(db.directory()).filePath(QStringLiteral("daten.txt"));
        CardFileBuilder()
            .record(karte::fahrt(15, 10))
            .record(karte::fahrt(25, 12))
            .record(karte::fahrt(35, 14))
            .waypoint(at(2005, 3, 14, 12), 45300, 7)
            .freeBlock()
            .write(pfad);
        einlesung = kartenuebernahme::lesen(pfad, schluessel);
    }
    ~Kartenuebernahme() override { Clock::reset(); }

    kartenuebernahme::Ergebnis uebernehmen(std::function<bool()> gleicheKarte = [] { return true; })
    {
        const auto pruefung = kartenuebernahme::pruefen(kartenId, einlesung.fahrten);
        return kartenuebernahme::uebernehmen({pfad, kartenId, einlesung.gelesen, std::move(gleicheKarte)},
                                             kartenuebernahme::gruene(einlesung.fahrten, pruefung.rot),
                                             einlesung.merkpunkte);
    }

    TestDatabase db;
    QString pfad;
    Einlesung einlesung;
};

} // namespace

TEST_P(Gruene, NurDieNichtRotenInListenfolge)
{
    const std::vector<ImportFahrt> fahrten(3);
    const auto gruen = kartenuebernahme::gruene(fahrten, GetParam().rot);
    std::vector<int> positionen;
    for (const ImportFahrt* fahrt : gruen)
        positionen.push_back(static_cast<int>(fahrt - fahrten.data()));
    EXPECT_EQ(positionen, GetParam().gruen);
}

INSTANTIATE_TEST_SUITE_P(Markierungen, Gruene,
                         ::testing::Values(GruenFall{"KeineRot", {false, false, false}, {0, 1, 2}},
                                           GruenFall{"MitteRot", {false, true, false}, {0, 2}},
                                           GruenFall{"AlleRot", {true, true, true}, {}},
                                           // A list checked before the last rows came counts them green.
                                           GruenFall{"KuerzereMarkierung", {true}, {1, 2}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Kartenuebernahme, LiestFahrtenUndMerkpunkt)
{
    ASSERT_EQ(einlesung.fahrten.size(), 3u);
    EXPECT_EQ(einlesung.fahrten.front().kfzSchluessel, QStringLiteral("7 - Lieferwagen"));
    EXPECT_EQ(einlesung.merkpunkte.size(), 1u);
    EXPECT_EQ(kartenuebernahme::pruefen(kartenId, einlesung.fahrten).rot, (std::vector<bool>{false, false, false}));
}

// The rows are built while the file is read; they are those of the record list read whole.
TEST_F(Kartenuebernahme, LiestDieZeilenDerGanzGelesenenDatensaetze)
{
    const cardfile::RecordReading ganz = cardfile::readRecords(pfad.toStdString());
    const Einlesung erwartet = baueEinlesung(ganz.records, schluessel);
    const auto texte = [](const auto& zeilen, int spalten) {
        QStringList ergebnis;
        for (const auto& zeile : zeilen)
            for (int spalte = 0; spalte < spalten; ++spalte)
                ergebnis << zelltext(zeile, spalte);
        return ergebnis;
    };
    EXPECT_EQ(texte(einlesung.fahrten, FahrtSpalten), texte(erwartet.fahrten, FahrtSpalten));
    EXPECT_EQ(texte(einlesung.merkpunkte, MerkpunktSpalten), texte(erwartet.merkpunkte, MerkpunktSpalten));
    EXPECT_EQ(einlesung.bloecke, 4u);
    EXPECT_EQ(einlesung.gelesen, ganz.consumed());
}

TEST_F(Kartenuebernahme, FortschrittZaehltDieDatensaetzeNichtDieFreienBloecke)
{
    std::vector<int> gemeldet;
    kartenuebernahme::lesen(pfad, schluessel, [&gemeldet](int prozent) { gemeldet.push_back(prozent); });
    EXPECT_EQ(gemeldet, (std::vector{25, 50, 75, 100}));
}

TEST_F(Kartenuebernahme, SpeichertUndLoeschtDieGelesenenBloecke)
{
    const auto ergebnis = uebernehmen();
    EXPECT_FALSE(ergebnis.karteGewechselt);
    EXPECT_FALSE(ergebnis.loeschfehler);
    EXPECT_EQ(ergebnis.merkpunktZeilen.size(), 1u);
    EXPECT_EQ(rohfahrten(), 3);
    // Erased on the card: a second reading finds nothing.
    EXPECT_TRUE(kartenuebernahme::lesen(pfad, schluessel).fahrten.empty());
}

TEST_F(Kartenuebernahme, GespeicherteFahrtenZaehlenRot)
{
    uebernehmen([] { return false; }); // stored, but left on the card
    const auto pruefung = kartenuebernahme::pruefen(kartenId, einlesung.fahrten);
    EXPECT_EQ(pruefung.rot, (std::vector<bool>{true, true, true}));
}

TEST_F(Kartenuebernahme, GewechselteKarteBleibtUnberuehrt)
{
    const auto vorher = readAllBytes(pfad);
    const auto ergebnis = uebernehmen([] { return false; });
    EXPECT_TRUE(ergebnis.karteGewechselt);
    EXPECT_EQ(rohfahrten(), 3);
    EXPECT_EQ(readAllBytes(pfad), vorher);
}

TEST_F(Kartenuebernahme, FehlschlagLaesstDatenbankUndKarteUnveraendert)
{
    const auto vorher = readAllBytes(pfad);
    SqlStatement("CREATE TRIGGER kaputt BEFORE INSERT ON T_basis WHEN NEW.Startkm = 45235 "
                 "BEGIN SELECT RAISE(ABORT, 'Platte voll'); END")
        .exec();
    EXPECT_ANY_THROW(uebernehmen());
    EXPECT_EQ(rohfahrten(), 0);
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_Merkpunkte")), 0);
    EXPECT_EQ(readAllBytes(pfad), vorher);
}
