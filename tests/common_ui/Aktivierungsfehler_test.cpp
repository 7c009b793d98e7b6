#include "admin/ui/TF_Datensicherung.h"
#include "card/ui/TF_Speicherkarte.h"
#include "card/ui/TF_Varno_Datei.h"
#include "card/ui/TF_mirel_Verbindung.h"
#include "db/Database.h"
#include "logbuch/Logbuch.h"
#include "platform/FakeVolumeSerial.h"
#include "support/FakeRemovableMedia.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"
#include "support/ui/Fensterhilfen.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

namespace {

// A window whose activation handler reads the logbook, and whether it shows what it read.
struct AktiviertesFenster {
    const char* name;
    std::function<std::unique_ptr<QWidget>(TestDatabase&)> oeffnen;
    std::function<bool(QWidget&)> zeigtGelesenes;
};

template <typename Fenster> Fenster& als(QWidget& fenster)
{
    return static_cast<Fenster&>(fenster);
}

const QString sicherungsordner = QStringLiteral("/sicherungen/");
const QString datendatei = QStringLiteral("/karte/daten.txt");

void PrintTo(const AktiviertesFenster& fenster, std::ostream* aus)
{
    *aus << fenster.name;
}

const AktiviertesFenster fenster[] = {
    {"Datensicherung",
     [](TestDatabase& db) {
         build::optionen(QStringLiteral("DS_Pfad"), sicherungsordner);
         return std::make_unique<TF_Datensicherung>(db.sitzung());
     },
     [](QWidget& f) { return als<TF_Datensicherung>(f).EDSVerz->text() == sicherungsordner; }},
    {"VarnoDatei",
     [](TestDatabase&) {
         build::optionen(QStringLiteral("CF_Pfad"), datendatei);
         return std::make_unique<TF_Varno_Datei>(std::make_unique<FakeVolumeSerial>());
     },
     [](QWidget& f) { return als<TF_Varno_Datei>(f).EPfad->text() == datendatei; }},
    {"MirelVerbindung",
     [](TestDatabase&) {
         build::optionen(QStringLiteral("Betriebssystem"), 0);
         return std::make_unique<TF_mirel_Verbindung>();
     },
     [](QWidget& f) { return als<TF_mirel_Verbindung>(f).RB_BS1->isChecked(); }},
    {"Speicherkarte",
     [](TestDatabase&) {
         build::rohfahrt({});
         return std::make_unique<TF_Speicherkarte>(std::make_unique<FakeRemovableMedia>());
     },
     [](QWidget& f) { return als<TF_Speicherkarte>(f).SgUebersicht->rowCount() == 1; }},
};

class Aktivierungsfehler : public ::testing::TestWithParam<AktiviertesFenster> {
protected:
    TestDatabase db;
};

} // namespace

// Closing the error box hands the focus back and activates the window again: that must not
// bring the box back, and once the logbook is there again the next activation reads it.
TEST_P(Aktivierungsfehler, FehlermeldungKommtNurEinmalUndDieNaechsteAktivierungLiestWieder)
{
    const std::unique_ptr<QWidget> offen = GetParam().oeffnen(db);
    Database::schliessen();
    aktivieren(*offen);
    aktivieren(*offen); // the error box closes
    ASSERT_EQ(ScriptedPrompts::get().texts(), QStringList{QStringLiteral("Es besteht keine Verbindung zur Datenbank.")});
    EXPECT_FALSE(GetParam().zeigtGelesenes(*offen));

    Logbuch::oeffnen(db.ort());
    aktivieren(*offen);
    EXPECT_EQ(ScriptedPrompts::get().shown().size(), 1U);
    EXPECT_TRUE(GetParam().zeigtGelesenes(*offen));
}

INSTANTIATE_TEST_SUITE_P(Fenster, Aktivierungsfehler, ::testing::ValuesIn(fenster),
                         [](const auto& info) { return std::string(info.param.name); });
