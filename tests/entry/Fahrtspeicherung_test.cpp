#include "entry/Fahrtart.h"
#include "entry/Fahrtspeicherung.h"

#include <gtest/gtest.h>

using fahrtspeicherung::Auftrag;
using fahrtspeicherung::Eingabe;
using fahrtspeicherung::Stand;
using speicherpruefung::Ablehnung;
using speicherpruefung::Feld;

namespace {

const QDate tag(2006, 3, 13);

// A business trip of 20 km from 09:00 to 09:30 after a last trip that arrived at 08:00 with 12345 km.
Eingabe geschaeftsfahrt()
{
    return {.abfahrt = QStringLiteral("09:00"),
            .ankunft = QStringLiteral("09:30"),
            .datum = tag,
            .art = Geschaeftlich,
            .von = QStringLiteral("Büro"),
            .nach = QStringLiteral("Kunde"),
            .zweck = QStringLiteral("Besuch"),
            .kategorie = QStringLiteral("Standard"),
            .fahrer = QStringLiteral("keine Angabe"),
            .kmStand = QStringLiteral("12365  "),
            .km = QStringLiteral("20  "),
            .bemerkung = QStringLiteral("mit Muster")};
}

Stand handfahrzeug()
{
    return {.fahrzeug = 7,
            .letzteAnkunft = QDateTime(tag, QTime(8, 0)),
            .letzterKmStand = 12345,
            .hoechsteFahrtdauer = 10,
            .hoechsteGeschwindigkeit = 130};
}

struct AblehnungsFall {
    const char* name;
    std::function<void(Eingabe&, Stand&)> aendern;
    const char* meldung;
    Feld feld;
};

class Ablehnungen : public ::testing::TestWithParam<AblehnungsFall> {};

// Answers every question with "Nein" and counts it.
struct Antwort {
    bool ja = false;
    int fragen = 0;
    fahrtspeicherung::Nachfrage nachfrage()
    {
        return [this](const QString&) {
            ++fragen;
            return ja;
        };
    }
};

} // namespace

TEST_P(Ablehnungen, NennenMeldungUndFeld)
{
    Eingabe eingabe = geschaeftsfahrt();
    Stand stand = handfahrzeug();
    GetParam().aendern(eingabe, stand);
    Antwort antwort;
    const auto ergebnis = fahrtspeicherung::pruefen(eingabe, stand, antwort.nachfrage());
    const auto* ablehnung = std::get_if<Ablehnung>(&ergebnis);
    ASSERT_NE(ablehnung, nullptr);
    EXPECT_EQ(ablehnung->meldung, QString::fromUtf8(GetParam().meldung));
    EXPECT_EQ(ablehnung->feld, GetParam().feld);
}

INSTANTIATE_TEST_SUITE_P(
    Fahrten, Ablehnungen,
    ::testing::Values(
        AblehnungsFall{"AbfahrtLeer", [](Eingabe& e, Stand&) { e.abfahrt = QStringLiteral("  :  "); },
                       "Sie müssen die Abfahrtszeit ausfüllen.", Feld::EAbfahrt},
        AblehnungsFall{"AbfahrtUngueltig", [](Eingabe& e, Stand&) { e.abfahrt = QStringLiteral("24:00"); },
                       "Fehler bei Eingabe. Gültige Werte sind 00:00 bis 23:59.", Feld::EAbfahrt},
        AblehnungsFall{"AbfahrtVorLetzterAnkunft", [](Eingabe& e, Stand&) { e.abfahrt = QStringLiteral("07:59"); },
                       "Die Abfahrtszeit liegt vor der letzten Fahrt.", Feld::EAbfahrt},
        AblehnungsFall{"AnkunftFehlt", [](Eingabe& e, Stand&) { e.ankunft = QStringLiteral("  :  "); },
                       "Sie müssen die Ankunftszeit ausfüllen.", Feld::EAnkunft},
        AblehnungsFall{"PrivatNurMitAbfahrt",
                       [](Eingabe& e, Stand&) {
                           e.art = Privat;
                           e.ankunft = QStringLiteral("  :  ");
                       },
                       "Sie müssen entweder die Ankunftszeit ausfüllen oder keine Zeiten eintragen.", Feld::EAnkunft},
        AblehnungsFall{"ZuLang",
                       [](Eingabe& e, Stand& s) {
                           e.ankunft = QStringLiteral("17:10");
                           s.hoechsteFahrtdauer = 8;
                       },
                       "Die Fahrtzeit überschreitet die in den Optionen angegeben Zeit", Feld::EAnkunft},
        AblehnungsFall{"LangeFahrtVerneint", [](Eingabe& e, Stand&) { e.ankunft = QStringLiteral("17:10"); }, "",
                       Feld::EAnkunft},
        AblehnungsFall{"VonFehlt", [](Eingabe& e, Stand&) { e.von = QStringLiteral("keine Angabe"); },
                       "Sie müssen das Feld \"Von\" ausfüllen.", Feld::cbVon},
        AblehnungsFall{"NachFehlt", [](Eingabe& e, Stand&) { e.nach = QStringLiteral("keine Angabe"); },
                       "Sie müssen das Feld \"Nach\" ausfüllen.", Feld::Cbnach},
        AblehnungsFall{"GeschaeftlichOhneZweck", [](Eingabe& e, Stand&) { e.zweck = QStringLiteral("keine Angabe"); },
                       "Sie müssen das Feld \"Zweck\" ausfüllen.", Feld::Cbzweck},
        // Saved by key without leaving the field: the emptied field counts as "keine Angabe".
        AblehnungsFall{"GeschaeftlichZweckGeleert", [](Eingabe& e, Stand&) { e.zweck = QStringLiteral("  "); },
                       "Sie müssen das Feld \"Zweck\" ausfüllen.", Feld::Cbzweck},
        AblehnungsFall{"KmStandMitBuchstaben", [](Eingabe& e, Stand&) { e.kmStand = QStringLiteral("12a65"); },
                       "Fehler bei der Eingabe", Feld::EkmStand},
        AblehnungsFall{"KmStandUnterAbfahrt", [](Eingabe& e, Stand&) { e.kmStand = QStringLiteral("12340"); },
                       "Der km-Stand bei Ankunft (12340) liegt unter dem km-Stand bei Abfahrt (12345).",
                       Feld::EkmStand},
        // The distance field was not brought into line: the stored readings decide the speed.
        AblehnungsFall{"TempoAusDenKmStaenden", [](Eingabe& e, Stand&) { e.kmStand = QStringLiteral("12545"); },
                       "Die Durchschnittsgeschwindigkeit von 400 km/h überschreitet die in den Optionen eingestellte "
                       "Geschwindigkeit.",
                       Feld::EAnkunft}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Fahrtspeicherung, GueltigeFahrtWirdZumAuftragMitNamenAlsText)
{
    Antwort antwort;
    const auto ergebnis = fahrtspeicherung::pruefen(geschaeftsfahrt(), handfahrzeug(), antwort.nachfrage());
    const auto* auftrag = std::get_if<Auftrag>(&ergebnis);
    ASSERT_NE(auftrag, nullptr);
    EXPECT_EQ(auftrag->fahrzeug, 7);
    EXPECT_EQ(auftrag->abDat, QDateTime(tag, QTime(9, 0)));
    EXPECT_EQ(auftrag->anDat, QDateTime(tag, QTime(9, 30)));
    EXPECT_EQ(auftrag->kmAb, 12345);
    EXPECT_EQ(auftrag->kmAn, 12365);
    EXPECT_EQ(auftrag->von, QStringLiteral("Büro"));
    EXPECT_EQ(auftrag->nach, QStringLiteral("Kunde"));
    EXPECT_EQ(auftrag->art, 4);
    EXPECT_EQ(auftrag->zweck, QStringLiteral("Besuch"));
    EXPECT_EQ(auftrag->bemerkung, QStringLiteral("mit Muster"));
    EXPECT_FALSE(auftrag->rohfahrt);
    EXPECT_FALSE(auftrag->stammfahrtKm);
    EXPECT_EQ(antwort.fragen, 0);
}

TEST(Fahrtspeicherung, FahrtUeberMitternachtEndetAmNaechstenTag)
{
    Eingabe eingabe = geschaeftsfahrt();
    eingabe.abfahrt = QStringLiteral("22:30");
    eingabe.ankunft = QStringLiteral("01:15");
    Antwort antwort;
    const auto auftrag = std::get<Auftrag>(fahrtspeicherung::pruefen(eingabe, handfahrzeug(), antwort.nachfrage()));
    EXPECT_EQ(auftrag.anDat, QDateTime(tag.addDays(1), QTime(1, 15)));
}

TEST(Fahrtspeicherung, LangeFahrtNurMitJa)
{
    Eingabe eingabe = geschaeftsfahrt();
    eingabe.ankunft = QStringLiteral("17:10");
    eingabe.kmStand = QStringLiteral("12800");
    eingabe.km = QStringLiteral("455");
    Antwort antwort{.ja = true};
    const auto ergebnis = fahrtspeicherung::pruefen(eingabe, handfahrzeug(), antwort.nachfrage());
    EXPECT_TRUE(std::holds_alternative<Auftrag>(ergebnis));
    EXPECT_EQ(antwort.fragen, 1);
}

TEST(Fahrtspeicherung, ZuSchnellWirdAbgelehntAusserBeimKartenfahrzeug)
{
    Eingabe eingabe = geschaeftsfahrt();
    eingabe.km = QStringLiteral("70");
    eingabe.kmStand = QStringLiteral("12415");
    Stand stand = handfahrzeug();
    Antwort antwort;
    const auto ergebnis = fahrtspeicherung::pruefen(eingabe, stand, antwort.nachfrage());
    ASSERT_TRUE(std::holds_alternative<Ablehnung>(ergebnis));
    EXPECT_EQ(std::get<Ablehnung>(ergebnis).meldung,
              QStringLiteral("Die Durchschnittsgeschwindigkeit von 140 km/h überschreitet die in den Optionen "
                             "eingestellte Geschwindigkeit."));
    EXPECT_EQ(std::get<Ablehnung>(ergebnis).feld, Feld::EAnkunft);

    stand.kartenfahrzeug = true;
    EXPECT_TRUE(std::holds_alternative<Auftrag>(fahrtspeicherung::pruefen(eingabe, stand, antwort.nachfrage())));
}

TEST(Fahrtspeicherung, KartenfahrzeugVollendetDieKopierteRohfahrt)
{
    Stand stand = handfahrzeug();
    stand.kartenfahrzeug = true;
    stand.rohfahrt = Rohfahrt{.id = 42, .startkm = 12000};
    Eingabe eingabe = geschaeftsfahrt();
    eingabe.von = QStringLiteral("keine Angabe"); // the recorder's start is kept however it is named
    eingabe.alsStammfahrt = true;
    Antwort antwort;
    const auto auftrag = std::get<Auftrag>(fahrtspeicherung::pruefen(eingabe, stand, antwort.nachfrage()));
    EXPECT_EQ(auftrag.rohfahrt, 42);
    EXPECT_EQ(auftrag.kmAb, 12000);
    EXPECT_EQ(auftrag.stammfahrtKm, 20);

    stand.kartenfahrzeug = false; // a hand-typed trip of a card vehicle's window completes no raw trip
    const auto vonHand = std::get<Auftrag>(fahrtspeicherung::pruefen(geschaeftsfahrt(), stand, antwort.nachfrage()));
    EXPECT_FALSE(vonHand.rohfahrt);
    EXPECT_EQ(vonHand.kmAb, 12345);
}

TEST(Fahrtspeicherung, PrivatfahrtDarfOrteUndZweckOffenLassen)
{
    Eingabe eingabe = geschaeftsfahrt();
    eingabe.art = Privat;
    eingabe.von = QStringLiteral("keine Angabe");
    eingabe.nach = QStringLiteral("keine Angabe");
    eingabe.zweck = QStringLiteral("keine Angabe");
    Antwort antwort;
    const auto auftrag = std::get<Auftrag>(fahrtspeicherung::pruefen(eingabe, handfahrzeug(), antwort.nachfrage()));
    // Both places are stored as the place "keine Angabe".
    EXPECT_EQ(auftrag.von, QStringLiteral("keine Angabe"));
    EXPECT_EQ(auftrag.nach, QStringLiteral("keine Angabe"));
    EXPECT_EQ(auftrag.art, 2);
}
