#include "admin/ui/TF_Datensicherung.h"
#include "app/THauptform.h"
#include "app/Varno.h"
#include "db/Database.h"
#include "logbuch/Sitzung.h"
#include "db/SqlStatement.h"
#include "evaluation/ui/TF_AuswertungMirel.h"
#include "support/Dateieingriff.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"
#include "support/ui/Fensterhilfen.h"
#include "support/ui/Programmstart.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QByteArray inhalt(const QString& pfad)
{
    QFile datei(pfad);
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly));
    return datei.readAll();
}

class LogbuchstartTest : public Programmstart {
protected:
    QString angezeigt() const { return QDir::toNativeSeparators(db.file()); }
};

// Damage to the logbook before the program starts, and the reason the program gives for it.
struct Schaden {
    const char* name;
    void (*anrichten)(const QString& logbuch);
    const char* grund;
};

void PrintTo(const Schaden& schaden, std::ostream* os)
{
    *os << schaden.name;
}

class UnbrauchbaresLogbuch : public LogbuchstartTest, public ::testing::WithParamInterface<Schaden> {};

} // namespace

TEST_P(UnbrauchbaresLogbuch, WirdGemeldetNichtBeschriebenUndBietetDasSicherungsfenster)
{
    GetParam().anrichten(db.file());
    const QByteArray vorher = inhalt(db.file());

    starten();

    EXPECT_EQ(ScriptedPrompts::get().texts(),
              QStringList{QStringLiteral("Das Fahrtenbuch %1 kann nicht geöffnet werden:\n%2\n\nSie können jetzt eine "
                                         "bestehende Datensicherung zurücksichern oder eine neue Datenbank anlegen.")
                              .arg(angezeigt(), QString::fromUtf8(GetParam().grund))});
    EXPECT_FALSE(varno.sitzung().datenbankVorhanden());
    EXPECT_FALSE(Database::isOpen());
    TF_Datensicherung& fenster = *varno.datensicherung();
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_TRUE(fenster.BtNeueDatenbank->isVisibleTo(&fenster));
    EXPECT_FALSE(varno.hauptform()->isEnabled());
    // Leaving the main window stores no window position in the damaged file.
    varno.hauptform()->FormDeactivate();
    EXPECT_EQ(inhalt(db.file()), vorher);
}

INSTANTIATE_TEST_SUITE_P(
    Schaeden, UnbrauchbaresLogbuch,
    ::testing::Values(Schaden{"Leer", [](const QString& logbuch) { ASSERT_TRUE(QFile::resize(logbuch, 0)); },
                              "Die Datei ist kein Varno-Fahrtenbuch."},
                      Schaden{"KopfZerstoert", dateieingriff::kopfZerstoeren,
                              "Die Datei ist keine Datenbank, oder ihr Kopf ist beschädigt."},
                      Schaden{"TabellenseiteZerstoert",
                              [](const QString& logbuch) {
                                  dateieingriff::tabellenseiteZerstoeren(logbuch, QStringLiteral("T_KFZ"));
                              },
                              "Die Datenbank ist beschädigt."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LogbuchstartTest, LeeresLogbuchWirdAufWunschDurchEinNeuesErsetztUndAufbewahrt)
{
    ASSERT_TRUE(QFile::resize(db.file(), 0));
    starten();
    ScriptedPrompts::get().clear();

    varno.datensicherung()->BtNeueDatenbank->click();

    const QString aufbewahrt = db.file() + QStringLiteral(".unbrauchbar");
    EXPECT_EQ(ScriptedPrompts::get().texts(),
              QStringList{QStringLiteral("Eine neue, leere Datenbank wurde angelegt.\nDie bisherige Datei wurde als %1 "
                                         "aufbewahrt.")
                              .arg(QDir::toNativeSeparators(aufbewahrt))});
    EXPECT_EQ(QFileInfo(aufbewahrt).size(), 0);
    EXPECT_TRUE(varno.sitzung().datenbankVorhanden());
    EXPECT_EQ(varno.hauptform()->CbKFZ->currentText(), QStringLiteral("Musterfahrzeug"));
}

TEST_F(LogbuchstartTest, BeschaedigtesLogbuchWirdDurchDieRuecksicherungErsetzt)
{
    dateieingriff::tabellenseiteZerstoeren(db.file(), QStringLiteral("T_KFZ"));
    starten();
    ScriptedPrompts::get().clear();

    ScriptedPrompts::get().answerPath(sicherung);
    varno.datensicherung()->BtRueckSicherung->click();

    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QStringLiteral("Die Rücksicherung war erfolgreich.")});
    EXPECT_TRUE(varno.sitzung().datenbankVorhanden());
    EXPECT_GE(varno.hauptform()->CbKFZ->findText(QStringLiteral("B-XY 1, Golf")), 0);
}

TEST_F(LogbuchstartTest, SchreibgeschuetztesLogbuchWirdGemeldetUndBleibtAuswertbar)
{
    varno.hauptform()->setStartdateipruefung(Startdateipruefung([](const QString&) { return false; }));
    const QByteArray vorher = inhalt(db.file());

    starten();

    EXPECT_EQ(ScriptedPrompts::get().texts(),
              QStringList{QStringLiteral("Das Fahrtenbuch %1 ist schreibgeschützt (die Datei oder ihr Verzeichnis). "
                                         "Sie können Fahrten auswerten und drucken, aber keine Änderungen speichern.")
                              .arg(angezeigt())});
    EXPECT_TRUE(Database::isReadOnly());
    THauptform& haupt = *varno.hauptform();
    EXPECT_TRUE(haupt.CbKFZ->isEnabled());
    haupt.CbKFZ->setCurrentIndex(haupt.CbKFZ->findText(QStringLiteral("B-XY 1, Golf")));
    haupt.CbKFZChange(haupt.CbKFZ->currentIndex());
    haupt.FormDeactivate();
    varno.auswertung()->show();
    EXPECT_NO_THROW(varno.auswertung()->btAnzeigenClick());
    varno.auswertung()->close();
    EXPECT_EQ(ScriptedPrompts::get().texts().size(), 1);
    EXPECT_EQ(inhalt(db.file()), vorher);
}

TEST(LogbuchstartGesperrt, BietetDenNeuenVersuchUndEndetAufWunsch)
{
    TestDatabase db;
    Database::schliessen();
    dateieingriff::Sperre sperre(db.file());
    Sitzung sitzung{db.file()};
    THauptform fenster{sitzung};
    QWidget datensicherung;
    fenster.setZiele({.datensicherung = &datensicherung});
    fenster.setStartdateipruefung(Startdateipruefung(Startdateipruefung::dateiUndOrdnerBeschreibbar, 0));
    QSignalSpy beenden(&fenster, &THauptform::beenden);
    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    ScriptedPrompts::get().answer(PromptAnswer::No);

    fenster.FormShow();
    aktivieren(fenster);

    const QString frage =
        QStringLiteral("Das Fahrtenbuch %1 wird gerade von einem anderen Programm benutzt. Wollen Sie "
                       "es erneut versuchen?")
            .arg(QDir::toNativeSeparators(db.file()));
    EXPECT_EQ(ScriptedPrompts::get().texts(), (QStringList{frage, frage}));
    EXPECT_EQ(ScriptedPrompts::get().shown().front().title, QStringLiteral("Warnung"));
    EXPECT_EQ(beenden.count(), 1);
    EXPECT_FALSE(Database::isOpen());
    EXPECT_FALSE(datensicherung.isVisible());
}
