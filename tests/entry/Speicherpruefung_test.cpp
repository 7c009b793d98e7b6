#include "entry/Speicherpruefung.h"

#include <gtest/gtest.h>

using namespace speicherpruefung;

namespace {
const QDate tag(2006, 3, 12);
const QDateTime letzteAnkunft(tag, QTime(14, 30));
} // namespace

struct AbfahrtFall {
    const char* text;
    bool kartenfahrzeug;
    Abfahrt ergebnis;
};

class AbfahrtPruefen : public ::testing::TestWithParam<AbfahrtFall> {};

TEST_P(AbfahrtPruefen, PrueftFormUndLetzteAnkunft)
{
    EXPECT_EQ(abfahrtPruefen(QString::fromUtf8(GetParam().text), tag, letzteAnkunft, GetParam().kartenfahrzeug),
              GetParam().ergebnis);
}

INSTANTIATE_TEST_SUITE_P(Faelle, AbfahrtPruefen,
                         ::testing::Values(AbfahrtFall{"24:00", false, Abfahrt::Ungueltig},
                                           AbfahrtFall{"12:60", false, Abfahrt::Ungueltig},
                                           AbfahrtFall{"23:59", false, Abfahrt::Ok},
                                           AbfahrtFall{"  :  ", false, Abfahrt::Fehlt},
                                           AbfahrtFall{"14:29", false, Abfahrt::VorLetzterFahrt},
                                           AbfahrtFall{"14:30", false, Abfahrt::Ok},
                                           AbfahrtFall{"14:29", true, Abfahrt::Ok}));

struct FehlendeAnkunftFall {
    const char* abfahrt;
    const char* ankunft;
    bool privat;
    Ankunft ergebnis;
};

class FehlendeAnkunft : public ::testing::TestWithParam<FehlendeAnkunftFall> {};

TEST_P(FehlendeAnkunft, PrivatDarfBeideZeitenWeglassen)
{
    const auto& fall = GetParam();
    EXPECT_EQ(fehlendeAnkunft(Ankunft::Ok, QString::fromUtf8(fall.abfahrt), QString::fromUtf8(fall.ankunft), fall.privat),
              fall.ergebnis);
}

INSTANTIATE_TEST_SUITE_P(Faelle, FehlendeAnkunft,
                         ::testing::Values(FehlendeAnkunftFall{"08:00", "  :  ", true, Ankunft::PrivatOhneAnkunft},
                                           FehlendeAnkunftFall{"08:00", "  :  ", false, Ankunft::Fehlt},
                                           FehlendeAnkunftFall{"  :  ", "  :  ", true, Ankunft::Ok},
                                           FehlendeAnkunftFall{"  :  ", "  :  ", false, Ankunft::Fehlt},
                                           FehlendeAnkunftFall{"08:00", "09:00", false, Ankunft::Ok}));

struct EntscheidungsFall {
    const char* name;
    Befund befund;
    const char* meldung; // nullptr: stored
    Feld feld;
};

class Entscheiden : public ::testing::TestWithParam<EntscheidungsFall> {};

TEST_P(Entscheiden, ErsteAblehnungMitMeldungUndFeld)
{
    const auto& fall = GetParam();
    const auto ablehnung = entscheiden(fall.befund);
    if (!fall.meldung) {
        EXPECT_FALSE(ablehnung.has_value());
        return;
    }
    ASSERT_TRUE(ablehnung.has_value());
    EXPECT_EQ(ablehnung->meldung, QString::fromUtf8(fall.meldung));
    EXPECT_EQ(ablehnung->feld, fall.feld);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Entscheiden,
    ::testing::Values(
        EntscheidungsFall{"AllesGut", {}, nullptr, Feld::EAbfahrt},
        EntscheidungsFall{"AbfahrtVorAnkunft",
                          {.abfahrt = Abfahrt::Ungueltig, .ankunft = Ankunft::Fehlt, .kmGefuellt = false},
                          "Fehler bei Eingabe. Gültige Werte sind 00:00 bis 23:59.", Feld::EAbfahrt},
        EntscheidungsFall{"AbfahrtFehlt", {.abfahrt = Abfahrt::Fehlt}, "Sie müssen die Abfahrtszeit ausfüllen.",
                          Feld::EAbfahrt},
        EntscheidungsFall{"VorLetzterFahrt", {.abfahrt = Abfahrt::VorLetzterFahrt},
                          "Die Abfahrtszeit liegt vor der letzten Fahrt.", Feld::EAbfahrt},
        EntscheidungsFall{"ZuLang", {.ankunft = Ankunft::ZuLang, .vonDa = false},
                          "Die Fahrtzeit überschreitet die in den Optionen angegeben Zeit", Feld::EAnkunft},
        EntscheidungsFall{"PrivatOhneAnkunft", {.ankunft = Ankunft::PrivatOhneAnkunft},
                          "Sie müssen entweder die Ankunftszeit ausfüllen oder keine Zeiten eintragen.", Feld::EAnkunft},
        EntscheidungsFall{"FrageVerneint", {.ankunft = Ankunft::Abgelehnt, .vonDa = false}, "", Feld::EAnkunft},
        EntscheidungsFall{"VonVorNach", {.vonDa = false, .nachDa = false}, "Sie müssen das Feld \"Von\" ausfüllen.",
                          Feld::cbVon},
        EntscheidungsFall{"NachVorKm", {.kmGefuellt = false, .nachDa = false},
                          "Sie müssen das Feld \"Nach\" ausfüllen.", Feld::Cbnach},
        EntscheidungsFall{"KmVorTempo", {.kmGefuellt = false, .tempoOk = false},
                          "Sie müssen die Kilometer ausfüllen.", Feld::EkmStand},
        EntscheidungsFall{"TempoVorZweck", {.tempoOk = false, .durchschnitt = 101, .zweckDa = false},
                          "Die Durchschnittsgeschwindigkeit von 101 km/h überschreitet die in den Optionen "
                          "eingestellte Geschwindigkeit.",
                          Feld::EAnkunft},
        EntscheidungsFall{"Zweck", {.zweckDa = false}, "Sie müssen das Feld \"Zweck\" ausfüllen.", Feld::Cbzweck}),
    [](const auto& info) { return std::string(info.param.name); });
