#include "app/Befehlszeile.h"

#include <gtest/gtest.h>

using befehlszeile::Aufruf;
using befehlszeile::Befehl;
using befehlszeile::Fehler;

namespace {

const QDate heute(2025, 3, 1);

std::variant<Aufruf, Fehler> lesen(const char* argumente)
{
    return befehlszeile::lesen(QString::fromUtf8(argumente).split(QLatin1Char(' '), Qt::SkipEmptyParts), heute);
}

} // namespace

struct GueltigFall {
    const char* name;
    const char* argumente;
    // What the call must come to, written as the fields that matter.
    std::function<void(const Aufruf&)> pruefen;
};

class BefehlszeileGueltigTest : public ::testing::TestWithParam<GueltigFall> {};

TEST_P(BefehlszeileGueltigTest, LiestDenAufruf)
{
    const auto ergebnis = lesen(GetParam().argumente);
    ASSERT_TRUE(std::holds_alternative<Aufruf>(ergebnis)) << std::get<Fehler>(ergebnis).meldung.toStdString();
    GetParam().pruefen(std::get<Aufruf>(ergebnis));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BefehlszeileGueltigTest,
    ::testing::Values(
        GueltigFall{"ohneArgumenteDieFenster", "",
                    [](const Aufruf& a) {
                        EXPECT_EQ(a.befehl, Befehl::Fenster);
                        EXPECT_FALSE(a.hilfe);
                    }},
        GueltigFall{"hilfe", "--help",
                    [](const Aufruf& a) {
                        EXPECT_EQ(a.befehl, Befehl::Fenster);
                        EXPECT_TRUE(a.hilfe);
                    }},
        GueltigFall{"hilfeKurz", "-h", [](const Aufruf& a) { EXPECT_TRUE(a.hilfe); }},
        GueltigFall{"hilfeZumBefehl", "export --help",
                    [](const Aufruf& a) {
                        EXPECT_EQ(a.befehl, Befehl::Export);
                        EXPECT_TRUE(a.hilfe);
                    }},
        GueltigFall{"hilfeVorDemBefehl", "--help karte einlesen",
                    [](const Aufruf& a) {
                        EXPECT_EQ(a.befehl, Befehl::KarteEinlesen);
                        EXPECT_TRUE(a.hilfe);
                    }},
        GueltigFall{"version", "--version", [](const Aufruf& a) { EXPECT_EQ(a.befehl, Befehl::Version); }},
        GueltigFall{"betriebspruefungJahrAlleFahrzeuge", "export --betriebspruefung bp --jahr 2024",
                    [](const Aufruf& a) {
                        EXPECT_EQ(a.befehl, Befehl::Export);
                        EXPECT_EQ(a.betriebspruefung, QStringLiteral("bp"));
                        EXPECT_TRUE(a.fahrzeug.isEmpty());
                        EXPECT_EQ(a.von, QDate(2024, 1, 1));
                        EXPECT_EQ(a.bis, QDate(2024, 12, 31));
                    }},
        GueltigFall{"betriebspruefungZeitraumEinFahrzeug",
                    "export --betriebspruefung bp --von 1.7.2024 --bis 31.12.2024 --fahrzeug X",
                    [](const Aufruf& a) {
                        EXPECT_EQ(a.fahrzeug, QStringLiteral("X"));
                        EXPECT_EQ(a.von, QDate(2024, 7, 1));
                        EXPECT_EQ(a.bis, QDate(2024, 12, 31));
                    }},
        GueltigFall{"verfahrensdokumentation", "verfahrensdokumentation vd.pdf",
                    [](const Aufruf& a) {
                        EXPECT_EQ(a.befehl, Befehl::Verfahrensdokumentation);
                        EXPECT_EQ(a.dokument, QStringLiteral("vd.pdf"));
                    }},
        GueltigFall{"neueDatenbank", "--neue-datenbank",
                    [](const Aufruf& a) { EXPECT_EQ(a.befehl, Befehl::NeueDatenbank); }},
        GueltigFall{"datenbankFuerDieFenster", "--datenbank x.db",
                    [](const Aufruf& a) {
                        EXPECT_EQ(a.befehl, Befehl::Fenster);
                        EXPECT_FALSE(a.hilfe);
                        EXPECT_EQ(a.datenbank, QStringLiteral("x.db"));
                    }},
        GueltigFall{"neueDatenbankAmGewaehltenOrt", "--datenbank /tmp/x.db --neue-datenbank",
                    [](const Aufruf& a) {
                        EXPECT_EQ(a.befehl, Befehl::NeueDatenbank);
                        EXPECT_EQ(a.datenbank, QStringLiteral("/tmp/x.db"));
                    }},
        GueltigFall{"exportJahr", "export --fahrzeug B-XY-1 --jahr 2024 --csv a.csv",
                    [](const Aufruf& a) {
                        EXPECT_EQ(a.befehl, Befehl::Export);
                        EXPECT_EQ(a.fahrzeug, QStringLiteral("B-XY-1"));
                        EXPECT_EQ(a.von, QDate(2024, 1, 1));
                        EXPECT_EQ(a.bis, QDate(2024, 12, 31));
                        EXPECT_EQ(a.csv, QStringLiteral("a.csv"));
                        EXPECT_TRUE(a.pdf.isEmpty());
                        EXPECT_FALSE(a.datenbank);
                    }},
        GueltigFall{"exportVonBisBeideDateien",
                    "export --von 1.2.2024 --bis 28.02.2024 --pdf b.pdf --fahrzeug X --csv a.csv",
                    [](const Aufruf& a) {
                        EXPECT_EQ(a.von, QDate(2024, 2, 1));
                        EXPECT_EQ(a.bis, QDate(2024, 2, 28));
                        EXPECT_EQ(a.pdf, QStringLiteral("b.pdf"));
                        EXPECT_EQ(a.csv, QStringLiteral("a.csv"));
                    }},
        GueltigFall{"exportEinTag", "export --fahrzeug X --von 1.2.2024 --bis 1.2.2024 --csv a.csv",
                    [](const Aufruf& a) { EXPECT_EQ(a.von, a.bis); }},
        GueltigFall{"datenbankVorDemBefehl", "--datenbank /tmp/x.db sichern /tmp/s",
                    [](const Aufruf& a) {
                        EXPECT_EQ(a.befehl, Befehl::Sichern);
                        EXPECT_EQ(a.datenbank, QStringLiteral("/tmp/x.db"));
                        EXPECT_EQ(a.zielordner, QStringLiteral("/tmp/s"));
                    }},
        GueltigFall{"datenbankNachDemBefehl", "sichern /tmp/s --datenbank /tmp/x.db",
                    [](const Aufruf& a) { EXPECT_EQ(a.datenbank, QStringLiteral("/tmp/x.db")); }},
        GueltigFall{"karteNurLesen", "karte einlesen /media/karte/daten.txt",
                    [](const Aufruf& a) {
                        EXPECT_EQ(a.befehl, Befehl::KarteEinlesen);
                        EXPECT_EQ(a.datendatei, QStringLiteral("/media/karte/daten.txt"));
                        EXPECT_FALSE(a.uebernehmen);
                        EXPECT_FALSE(a.kennung);
                    }},
        GueltigFall{"karteUebernehmenMitKennung", "karte einlesen --uebernehmen daten.txt --kennung 2882343476",
                    [](const Aufruf& a) {
                        EXPECT_TRUE(a.uebernehmen);
                        EXPECT_EQ(a.kennung, QStringLiteral("2882343476"));
                        EXPECT_EQ(a.datendatei, QStringLiteral("daten.txt"));
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

struct FehlerFall {
    const char* name;
    const char* argumente;
    Befehl befehl;
    const char* meldung;
};

class BefehlszeileFehlerTest : public ::testing::TestWithParam<FehlerFall> {};

TEST_P(BefehlszeileFehlerTest, NenntWasFalschIst)
{
    const auto ergebnis = lesen(GetParam().argumente);
    ASSERT_TRUE(std::holds_alternative<Fehler>(ergebnis));
    EXPECT_EQ(std::get<Fehler>(ergebnis).meldung, QString::fromUtf8(GetParam().meldung));
    EXPECT_EQ(std::get<Fehler>(ergebnis).befehl, GetParam().befehl);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BefehlszeileFehlerTest,
    ::testing::Values(
        FehlerFall{"unbekannterBefehl", "exportieren", Befehl::Fenster, "unbekannter Befehl „exportieren“"},
        FehlerFall{"karteOhneEinlesen", "karte daten.txt", Befehl::Fenster, "unbekannter Befehl „karte“"},
        FehlerFall{"unbekannteOption", "--schnell", Befehl::Fenster, "unbekannte Option „--schnell“"},
        FehlerFall{"datenbankOhneWert", "--datenbank", Befehl::Fenster, "zu „--datenbank“ fehlt der Wert"},
        FehlerFall{"datenbankDoppelt", "--datenbank a.db sichern s --datenbank b.db", Befehl::Sichern,
                   "„--datenbank“ ist doppelt angegeben"},
        FehlerFall{"exportOhneFahrzeug", "export --jahr 2024 --csv a.csv", Befehl::Export,
                   "„--fahrzeug KENNZEICHEN“ fehlt"},
        FehlerFall{"exportOhneZeitraum", "export --fahrzeug X --csv a.csv", Befehl::Export,
                   "der Zeitraum fehlt: „--jahr JJJJ“ oder „--von TT.MM.JJJJ --bis TT.MM.JJJJ“"},
        FehlerFall{"exportNurVon", "export --fahrzeug X --von 1.1.2024 --csv a.csv", Befehl::Export,
                   "der Zeitraum fehlt: „--jahr JJJJ“ oder „--von TT.MM.JJJJ --bis TT.MM.JJJJ“"},
        FehlerFall{"exportJahrUndVon", "export --fahrzeug X --jahr 2024 --von 1.1.2024 --csv a.csv", Befehl::Export,
                   "„--jahr“ und „--von“/„--bis“ schließen sich aus"},
        FehlerFall{"exportKeinDatum", "export --fahrzeug X --von 32.1.2024 --bis 1.2.2024 --csv a.csv", Befehl::Export,
                   "„--von“: „32.1.2024“ ist kein Datum (TT.MM.JJJJ)"},
        FehlerFall{"exportIsoDatum", "export --fahrzeug X --von 2024-01-01 --bis 1.2.2024 --csv a.csv", Befehl::Export,
                   "„--von“: „2024-01-01“ ist kein Datum (TT.MM.JJJJ)"},
        FehlerFall{"exportVonNachBis", "export --fahrzeug X --von 2.2.2024 --bis 1.2.2024 --csv a.csv", Befehl::Export,
                   "„--von“ liegt nach „--bis“"},
        FehlerFall{"exportZukunftsjahr", "export --fahrzeug X --jahr 2026 --csv a.csv", Befehl::Export,
                   "„--jahr“: „2026“ ist kein Jahr von 2002 bis 2025"},
        FehlerFall{"exportOhneDatei", "export --fahrzeug X --jahr 2024", Befehl::Export,
                   "„--csv DATEI“ oder „--pdf DATEI“ fehlt"},
        FehlerFall{"exportDieselbeDatei", "export --fahrzeug X --jahr 2024 --csv a --pdf a", Befehl::Export,
                   "„--csv“ und „--pdf“ nennen dieselbe Datei"},
        FehlerFall{"exportWertFehlt", "export --fahrzeug --jahr 2024 --csv a.csv", Befehl::Export,
                   "zu „--fahrzeug“ fehlt der Wert"},
        FehlerFall{"exportDoppelt", "export --fahrzeug X --fahrzeug Y --jahr 2024 --csv a", Befehl::Export,
                   "„--fahrzeug“ ist doppelt angegeben"},
        FehlerFall{"exportWort", "export X --jahr 2024 --csv a", Befehl::Export, "überzähliges Argument „X“"},
        FehlerFall{"exportFremdeOption", "export --fahrzeug X --jahr 2024 --csv a --uebernehmen", Befehl::Export,
                   "unbekannte Option „--uebernehmen“"},
        FehlerFall{"betriebspruefungOhneZeitraum", "export --betriebspruefung bp", Befehl::Export,
                   "der Zeitraum fehlt: „--jahr JJJJ“ oder „--von TT.MM.JJJJ --bis TT.MM.JJJJ“"},
        FehlerFall{"betriebspruefungMitPdf", "export --betriebspruefung bp --jahr 2024 --pdf a.pdf", Befehl::Export,
                   "„--pdf“ und „--betriebspruefung“ schließen sich aus"},
        FehlerFall{"verfahrensdokumentationOhneDatei", "verfahrensdokumentation", Befehl::Verfahrensdokumentation,
                   "die PDF-Datei fehlt"},
        FehlerFall{"verfahrensdokumentationZweiDateien", "verfahrensdokumentation a.pdf b.pdf",
                   Befehl::Verfahrensdokumentation, "überzähliges Argument „b.pdf“"},
        FehlerFall{"sichernOhneOrdner", "sichern", Befehl::Sichern, "der Zielordner fehlt"},
        FehlerFall{"sichernZweiOrdner", "sichern a b", Befehl::Sichern, "überzähliges Argument „b“"},
        FehlerFall{"karteOhneDatei", "karte einlesen --uebernehmen", Befehl::KarteEinlesen, "die Datendatei fehlt"},
        FehlerFall{"karteKennungOhneWert", "karte einlesen daten.txt --kennung", Befehl::KarteEinlesen,
                   "zu „--kennung“ fehlt der Wert"},
        FehlerFall{"versionMitBefehl", "--version export", Befehl::Fenster, "unbekannte Option „--version“"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Befehlszeile, HilfeJeBefehlAufDeutsch)
{
    EXPECT_TRUE(befehlszeile::hilfe(Befehl::Fenster).contains(QStringLiteral("Rückgabewert: 0 Erfolg, 1 Fehler")));
    EXPECT_TRUE(befehlszeile::hilfe(Befehl::Export).startsWith(QStringLiteral("Aufruf: varno export --fahrzeug")));
    EXPECT_TRUE(befehlszeile::hilfe(Befehl::Sichern).startsWith(QStringLiteral("Aufruf: varno sichern ZIELORDNER")));
    EXPECT_TRUE(befehlszeile::hilfe(Befehl::KarteEinlesen).contains(QStringLiteral("--uebernehmen")));
    for (Befehl befehl : {Befehl::Fenster, Befehl::Export, Befehl::Sichern, Befehl::KarteEinlesen})
        EXPECT_TRUE(befehlszeile::hilfe(befehl).endsWith(QLatin1Char('\n')));
}
