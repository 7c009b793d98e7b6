#include "card/KartenSuche.h"
#include "card/Kartengroesse.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr std::uint64_t maxGroesse = std::numeric_limits<std::uint64_t>::max();

RemovableDrive medium(const char* wurzel, std::uint64_t bytes)
{
    return {.root = QString::fromLatin1(wurzel), .readable = true, .blockSize = 1, .blockCount = bytes};
}

RemovableDrive ohneMedium(const char* wurzel)
{
    return {.root = QString::fromLatin1(wurzel)};
}

} // namespace

namespace {

struct GroessenFall {
    std::uint64_t blockGroesse;
    std::uint64_t bloecke;
    bool passend;
};

class Kartengroesse : public ::testing::TestWithParam<GroessenFall> {};

} // namespace

TEST_P(Kartengroesse, NurZwischen15Und67MillionenBytes)
{
    const GroessenFall fall = GetParam();
    EXPECT_EQ(kartengroesse::passend(kartengroesse::inBytes(fall.blockGroesse, fall.bloecke)), fall.passend);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Kartengroesse,
                         ::testing::Values(GroessenFall{1, 16'000'000, true}, GroessenFall{512, 31'250, true},
                                           GroessenFall{1, 15'000'000, false}, GroessenFall{1, 15'000'001, true},
                                           GroessenFall{1, 66'999'999, true}, GroessenFall{1, 67'000'000, false},
                                           GroessenFall{512, 131'072, false}, GroessenFall{0, 16'000'000, false},
                                           // 8 GB, and products beyond 64 bits that would wrap into the window
                                           GroessenFall{4096, 2'097'152, false},
                                           GroessenFall{1ULL << 32, (1ULL << 32) + 1, false},
                                           GroessenFall{maxGroesse, 2, false}));

TEST(Kartengroesse, UeberlaufWirdZumGroesstenWert)
{
    EXPECT_EQ(kartengroesse::inBytes(1ULL << 32, 1ULL << 32), maxGroesse);
    EXPECT_EQ(kartengroesse::inBytes(512, 131'072), 67'108'864u);
}

namespace {

struct SuchFall {
    const char* name;
    std::vector<RemovableDrive> laufwerke;
    std::vector<bool> antworten; // one per offer, in order
    kartensuche::Ausgang ausgang;
    QString letztesLaufwerk;
    QString gewaehlt; // empty: none chosen
    QStringList angeboten;
};

void PrintTo(const SuchFall& fall, std::ostream* os)
{
    *os << fall.name;
}

class Kartensuche : public ::testing::TestWithParam<SuchFall> {};

} // namespace

TEST_P(Kartensuche, BietetPassendeAnUndMeldetDasLetzteLaufwerk)
{
    const SuchFall& fall = GetParam();
    QStringList angeboten;
    std::size_t antwort = 0;
    const kartensuche::Ergebnis ergebnis = kartensuche::suchen(fall.laufwerke, [&](const RemovableDrive& laufwerk) {
        angeboten << laufwerk.root;
        return antwort < fall.antworten.size() && fall.antworten[antwort++];
    });
    EXPECT_EQ(ergebnis.ausgang, fall.ausgang);
    EXPECT_EQ(ergebnis.letztesLaufwerk, fall.letztesLaufwerk);
    EXPECT_EQ(ergebnis.gewaehlt ? ergebnis.gewaehlt->root : QString(), fall.gewaehlt);
    EXPECT_EQ(angeboten, fall.angeboten);
}

using kartensuche::Ausgang;

INSTANTIATE_TEST_SUITE_P(
    Faelle, Kartensuche,
    ::testing::Values(
        SuchFall{"keinLaufwerk", {}, {}, Ausgang::Keine, {}, {}, {}},
        SuchFall{"passendGewaehlt", {medium("/media/a/K/", 16'000'000)}, {true}, Ausgang::Angeboten, "/media/a/K/",
                 "/media/a/K/", {"/media/a/K/"}},
        SuchFall{"passendAbgelehnt", {medium("/media/a/K/", 16'000'000)}, {false}, Ausgang::Angeboten, "/media/a/K/",
                 {}, {"/media/a/K/"}},
        SuchFall{"zuKlein", {medium("/media/a/K/", 15'000'000)}, {}, Ausgang::Ungeeignet, "/media/a/K/", {}, {}},
        SuchFall{"64MB", {medium("/media/a/K/", 67'108'864)}, {}, Ausgang::Ungeeignet, "/media/a/K/", {}, {}},
        SuchFall{"ohneMediumAlsEinziges", {ohneMedium("/dev/sdc")}, {}, Ausgang::Ungeeignet, "/dev/sdc", {}, {}},
        SuchFall{"zweitesNachAbbruchAngeboten",
                 {medium("/media/a/EINS/", 16'000'000), medium("/media/a/ZWEI/", 32'000'000)},
                 {false, true},
                 Ausgang::Angeboten,
                 "/media/a/ZWEI/",
                 "/media/a/ZWEI/",
                 {"/media/a/EINS/", "/media/a/ZWEI/"}},
        // Once a card is chosen, drives behind it neither get offered nor change what the user hears.
        SuchFall{"nachWahlEndetDieSuche",
                 {medium("/media/a/EINS/", 16'000'000), medium("/media/a/ZWEI/", 32'000'000), ohneMedium("/dev/sdd")},
                 {true},
                 Ausgang::Angeboten,
                 "/media/a/EINS/",
                 "/media/a/EINS/",
                 {"/media/a/EINS/"}},
        SuchFall{"abgelehntDannUngeeignet",
                 {medium("/media/a/EINS/", 16'000'000), medium("/media/a/GROSS/", 8'000'000'000)},
                 {false},
                 Ausgang::Ungeeignet,
                 "/media/a/GROSS/",
                 {},
                 {"/media/a/EINS/"}},
        SuchFall{"ungeeignetDannPassend",
                 {ohneMedium("/dev/sdc"), medium("/media/a/K/", 16'000'000)},
                 {true},
                 Ausgang::Angeboten,
                 "/media/a/K/",
                 "/media/a/K/",
                 {"/media/a/K/"}}),
    [](const auto& info) { return std::string(info.param.name); });
