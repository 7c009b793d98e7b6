#include "start/Datenbankwahl.h"

#include <QFile>

#include <gtest/gtest.h>

struct WahlFall {
    const char* name;
    bool server;
    const char* rechner;
    const char* port;
    const char* datenbank;
    const char* meldung; // "" = accepted
};

class DatenbankwahlFelder : public ::testing::TestWithParam<WahlFall> {};

TEST_P(DatenbankwahlFelder, WerdenGeprueft)
{
    const WahlFall& fall = GetParam();
    const auto gelesen = datenbankwahlLesen(fall.server, QString::fromUtf8(fall.rechner), QString::fromUtf8(fall.port),
                                            QString::fromUtf8(fall.datenbank), QStringLiteral(" anna "));
    if (*fall.meldung) {
        ASSERT_TRUE(std::holds_alternative<QString>(gelesen));
        EXPECT_EQ(std::get<QString>(gelesen), QString::fromUtf8(fall.meldung));
        return;
    }
    ASSERT_TRUE(std::holds_alternative<Datenbankwahl>(gelesen));
    const Datenbankwahl& wahl = std::get<Datenbankwahl>(gelesen);
    EXPECT_EQ(wahl.server, fall.server);
    EXPECT_EQ(wahl.adresse.rechner, QString::fromUtf8(fall.rechner).trimmed());
    EXPECT_EQ(wahl.adresse.benutzer, QStringLiteral("anna"));
}

INSTANTIATE_TEST_SUITE_P(
    Felder, DatenbankwahlFelder,
    ::testing::Values(
        WahlFall{"Server", true, "buero", "5432", "fahrtenbuch", ""},
        WahlFall{"ServerMitLeerzeichen", true, " buero ", " 6000 ", " fb ", ""},
        WahlFall{"OhneRechner", true, " ", "5432", "fb", "Bitte geben Sie den Rechner des Datenbankservers an."},
        WahlFall{"PortKeineZahl", true, "buero", "5a", "fb", "Der Port muss eine Zahl von 1 bis 65535 sein."},
        WahlFall{"PortZuGross", true, "buero", "65536", "fb", "Der Port muss eine Zahl von 1 bis 65535 sein."},
        WahlFall{"OhneDatenbank", true, "buero", "5432", "", "Bitte geben Sie den Namen der Datenbank an."},
        WahlFall{"DateiPrueftKeinFeld", false, "", "x", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Datenbankwahl, WirdGespeichertUndGeladenOhnePasswort)
{
    QFile::remove(Datenbankwahl::datei());
    EXPECT_EQ(Datenbankwahl::laden(), Datenbankwahl{});

    const Datenbankwahl wahl{true,
                             {QStringLiteral("anna"), QStringLiteral("buero"), 6000, QStringLiteral("fahrtenbuch")}};
    wahl.speichern();
    EXPECT_EQ(Datenbankwahl::laden(), wahl);
    QFile datei(Datenbankwahl::datei());
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_FALSE(datei.readAll().toLower().contains("passw"));
    QFile::remove(Datenbankwahl::datei());
}
