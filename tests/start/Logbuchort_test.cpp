#include "start/Logbuchort.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

const QString arbeitsordner = QStringLiteral("/home/anna/Dokumente");
const QString datenordner = QStringLiteral("/home/anna/.local/share/Varno");
const QString imArbeitsordner = QStringLiteral("/home/anna/Dokumente/varno.db");
const QString imDatenordner = QStringLiteral("/home/anna/.local/share/Varno/varno.db");

struct OrtFall {
    const char* name;
    std::optional<QString> gewaehlt;
    bool installiert;
    QSet<QString> vorhanden;
    QString arbeitsordner = ::arbeitsordner;
    Logbuchort erwartet;
    std::optional<QString> server = std::nullopt; // chosen in the options
};

const QString server = QStringLiteral("postgresql://anna@buero/fahrtenbuch");

void PrintTo(const OrtFall& fall, std::ostream* os)
{
    *os << fall.name;
}

class LogbuchortRegel : public ::testing::TestWithParam<OrtFall> {};

} // namespace

TEST_P(LogbuchortRegel, EineDateiEinOrt)
{
    const OrtFall& fall = GetParam();
    const Logbuchumgebung umgebung{.gewaehlt = fall.gewaehlt,
                                   .server = fall.server,
                                   .installiert = fall.installiert,
                                   .arbeitsordner = fall.arbeitsordner,
                                   .datenordner = datenordner};
    const Logbuchort ort =
        logbuchort(umgebung, [&](const QString& pfad) { return fall.vorhanden.contains(pfad); });
    EXPECT_EQ(ort.datei, fall.erwartet.datei);
    EXPECT_EQ(ort.altesLogbuch, fall.erwartet.altesLogbuch);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, LogbuchortRegel,
    ::testing::Values(
        OrtFall{"Buildbaum_Arbeitsordner", std::nullopt, false, {}, arbeitsordner, {.datei = imArbeitsordner}},
        OrtFall{"Buildbaum_vorhandenesLogbuch", std::nullopt, false, {imArbeitsordner}, arbeitsordner,
                {.datei = imArbeitsordner}},
        OrtFall{"Buildbaum_bietetNieAn", std::nullopt, false, {imArbeitsordner, imDatenordner}, arbeitsordner,
                {.datei = imArbeitsordner}},
        OrtFall{"Installiert_Datenordner", std::nullopt, true, {}, arbeitsordner, {.datei = imDatenordner}},
        OrtFall{"Installiert_vorhandenesLogbuch", std::nullopt, true, {imDatenordner}, arbeitsordner,
                {.datei = imDatenordner}},
        OrtFall{"Installiert_altesLogbuchAnbieten", std::nullopt, true, {imArbeitsordner}, arbeitsordner,
                {.datei = imDatenordner, .altesLogbuch = imArbeitsordner}},
        OrtFall{"Installiert_beideDa_keinAngebot", std::nullopt, true, {imArbeitsordner, imDatenordner},
                arbeitsordner, {.datei = imDatenordner}},
        OrtFall{"Installiert_gestartetImDatenordner", std::nullopt, true, {imDatenordner}, datenordner + "/",
                {.datei = imDatenordner}},
        OrtFall{"Option_absolut", QStringLiteral("/srv/firma/fahrten.db"), true, {imArbeitsordner}, arbeitsordner,
                {.datei = QStringLiteral("/srv/firma/fahrten.db")}},
        OrtFall{"Option_relativZumArbeitsordner", QStringLiteral("../Archiv/2006.db"), false, {}, arbeitsordner,
                {.datei = QStringLiteral("/home/anna/Archiv/2006.db")}},
        OrtFall{"Option_imBuildbaum", QStringLiteral("varno.db"), false, {}, arbeitsordner,
                {.datei = imArbeitsordner}},
        OrtFall{"Option_Serveradresse", QStringLiteral("postgres://otto@zentrale:6000/fb"), false, {}, arbeitsordner,
                {.datei = QStringLiteral("postgres://otto@zentrale:6000/fb")}, server},
        OrtFall{"Server_ausDenOptionen", std::nullopt, true, {imArbeitsordner}, arbeitsordner, {.datei = server},
                server},
        OrtFall{"Option_DateiVorDemServerDerOptionen", QStringLiteral("varno.db"), true, {}, arbeitsordner,
                {.datei = imArbeitsordner}, server}),
    [](const ::testing::TestParamInfo<OrtFall>& info) { return std::string(info.param.name); });
