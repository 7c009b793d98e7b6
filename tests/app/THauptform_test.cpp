#include "admin/ui/TF_Datensicherung.h"
#include "app/THauptform.h"
#include "app/Varno.h"
#include "card/ui/TF_Varno_V_OK.h"
#include "common/Clock.h"
#include "logbuch/Sitzung.h"
#include "db/Database.h"
#include "start/Datenbankwahl.h"
#include "start/Logbuchort.h"
#include "db/SqlStatement.h"
#include "logbuch/OptionenStore.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"
#include "support/Testserver.h"
#include "support/ui/Tastenkuerzel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Marked yellow: a yellow ground of its own; its lightness follows the desktop theme.
bool gelb(const QLineEdit* feld)
{
    const QColor grund = feld->palette().color(QPalette::Active, QPalette::Base);
    return grund != QApplication::palette().color(QPalette::Active, QPalette::Base) && grund.hslSaturation() > 200 &&
           std::abs(grund.hslHue() - 60) <= 2;
}

// Sends the activation the window system would send when the window comes to the front.
void aktivieren(THauptform& fenster)
{
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(&fenster, &event);
}

class HauptformTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0))); }

    void oeffnen()
    {
        fenster.FormShow();
        aktivieren(fenster);
    }

    void waehle(const QString& kennzeichen)
    {
        fenster.CbKFZ->setCurrentIndex(fenster.CbKFZ->findText(kennzeichen));
        fenster.CbKFZChange(fenster.CbKFZ->currentIndex());
    }

    TestDatabase db;
    THauptform fenster{db.sitzung()};
};

} // namespace

struct InspektionKmFall {
    int inspKm;
    int kmStand;
    const char* text;
    bool gelb;
};

class InspektionKm : public HauptformTest, public ::testing::WithParamInterface<InspektionKmFall> {};

TEST_P(InspektionKm, ZeigtRestkilometerUndWarnfarbe)
{
    const auto fall = GetParam();
    build::fahrzeug({.kennzeichen = QStringLiteral("A-INSP 1"), .anfKm = fall.kmStand, .inspKm = fall.inspKm});
    oeffnen();
    waehle(QStringLiteral("A-INSP 1"));
    EXPECT_EQ(fenster.eInspKm->text(), QString::fromUtf8(fall.text));
    EXPECT_EQ(gelb(fenster.eInspKm), fall.gelb);
    EXPECT_EQ(fenster.eKmStand->text(), QString::number(fall.kmStand));
}

INSTANTIATE_TEST_SUITE_P(Faelle, InspektionKm,
                         ::testing::Values(InspektionKmFall{15000, 14200, "800", true},
                                           InspektionKmFall{15000, 15300, "-300", true},
                                           InspektionKmFall{15000, 14000, "1000", false},
                                           InspektionKmFall{0, 14200, "", false}));

struct InspektionDatumFall {
    int tageVoraus;
    bool gelb;
};

class InspektionDatum : public HauptformTest, public ::testing::WithParamInterface<InspektionDatumFall> {};

TEST_P(InspektionDatum, WarntWenigerAlsDreissigTageVorher)
{
    const QDate datum = Clock::today().addDays(GetParam().tageVoraus);
    build::fahrzeug({.kennzeichen = QStringLiteral("A-DAT 1"), .inspDat = datum});
    oeffnen();
    waehle(QStringLiteral("A-DAT 1"));
    EXPECT_EQ(fenster.eInspDat->text(), datum.toString(QStringLiteral("dd.MM.yyyy")));
    EXPECT_EQ(gelb(fenster.eInspDat), GetParam().gelb);
}

INSTANTIATE_TEST_SUITE_P(Faelle, InspektionDatum,
                         ::testing::Values(InspektionDatumFall{29, true}, InspektionDatumFall{30, false},
                                           InspektionDatumFall{-5, true}));

TEST_F(HauptformTest, MarkerdatumLaesstInspektionsdatumLeer)
{
    oeffnen();
    EXPECT_EQ(fenster.CbKFZ->currentText(), QStringLiteral("Musterfahrzeug"));
    EXPECT_TRUE(fenster.eInspDat->text().isEmpty());
    EXPECT_FALSE(gelb(fenster.eInspDat));
    EXPECT_EQ(fenster.EFahrten->text(), QStringLiteral("keine"));
    EXPECT_EQ(fenster.eKmStand->text(), QStringLiteral("10000"));
    EXPECT_TRUE(fenster.CbKFZ->isEnabled());
}

TEST_F(HauptformTest, ZaehltNurUnbearbeiteteFahrtenOhneMerkpunkte)
{
    const int kfz = build::fahrzeug({.kennzeichen = QStringLiteral("K-CF 7"), .eingabeart = 1, .kfzId = 7});
    Q_UNUSED(kfz);
    const QString schluessel = QStringLiteral("7 - K-CF 7");
    const QDateTime t(QDate(2006, 3, 1), QTime(8, 0));
    build::rohfahrt({.startzeit = t, .kfzSchluessel = schluessel});
    build::rohfahrt({.startzeit = t.addSecs(3600), .kfzSchluessel = schluessel});
    build::rohfahrt({.startzeit = t.addSecs(7200), .kfzSchluessel = schluessel, .art = QStringLiteral("M")});
    build::rohfahrt({.startzeit = t.addSecs(9000), .kfzSchluessel = schluessel, .bearbeitet = true});
    build::rohfahrt({.startzeit = t.addSecs(9900), .kfzSchluessel = QStringLiteral("8 - K-CF 7")});
    oeffnen();
    waehle(QStringLiteral("K-CF 7"));
    EXPECT_EQ(fenster.EFahrten->text(), QStringLiteral("2"));
}

TEST_F(HauptformTest, LetztesFahrzeugNurMitOptionBeimZurueckkehren)
{
    build::fahrzeug({.kennzeichen = QStringLiteral("Z-ZWEI 2")});
    oeffnen();
    waehle(QStringLiteral("Z-ZWEI 2"));
    aktivieren(fenster); // back from another window
    EXPECT_EQ(fenster.CbKFZ->currentText(), QStringLiteral("Z-ZWEI 2"));

    build::optionen(QStringLiteral("lKFZ"), 0);
    aktivieren(fenster);
    EXPECT_EQ(fenster.CbKFZ->currentText(), QStringLiteral("Musterfahrzeug"));
    EXPECT_EQ(db.sitzung().aktuellesFahrzeug(), 1);
}

TEST_F(HauptformTest, AuswahlWirdAlsLetztesFahrzeugGemerkt)
{
    const int zweites = build::fahrzeug({.kennzeichen = QStringLiteral("Z-ZWEI 2")});
    oeffnen();
    waehle(QStringLiteral("Z-ZWEI 2"));
    EXPECT_EQ(db.sitzung().aktuellesFahrzeug(), zweites);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT KFZ FROM T_Optionen"), zweites);
}

TEST_F(HauptformTest, FahrtenerfassungHaeltFahrzeugFest)
{
    QWidget eingabe;
    fenster.setZiele({.eingabe = &eingabe});
    const int zweites = build::fahrzeug({.kennzeichen = QStringLiteral("Z-ZWEI 2")});
    build::optionen(QStringLiteral("lKFZ"), 0);
    oeffnen();
    waehle(QStringLiteral("Z-ZWEI 2"));
    fenster.BtOKClick();
    ASSERT_TRUE(eingabe.isVisible());
    EXPECT_FALSE(fenster.CbKFZ->isEnabled());

    aktivieren(fenster); // the user clicks on the main window while entering trips
    EXPECT_EQ(db.sitzung().aktuellesFahrzeug(), zweites);
    EXPECT_EQ(fenster.CbKFZ->currentText(), QStringLiteral("Z-ZWEI 2"));

    eingabe.close();
    EXPECT_TRUE(fenster.CbKFZ->isEnabled());
    aktivieren(fenster);
    EXPECT_EQ(db.sitzung().aktuellesFahrzeug(), 1);
}

TEST_F(HauptformTest, GeaendertesFahrtenbuchZeigtNeuenStandBeimAktuellenFahrzeug)
{
    const int zweites = build::fahrzeug({.kennzeichen = QStringLiteral("Z-ZWEI 2"), .anfKm = 500});
    oeffnen();
    waehle(QStringLiteral("Z-ZWEI 2"));
    const QDateTime ab(QDate(2006, 5, 2), QTime(8, 0));
    build::fahrt({.kfz = zweites, .ab = ab, .an = ab.addSecs(3600), .kmAb = 500, .kmAn = 542});
    EXPECT_EQ(fenster.eKmStand->text(), QStringLiteral("500"));
    db.sitzung().fahrtenbuchGeaendertMelden();
    EXPECT_EQ(fenster.CbKFZ->currentText(), QStringLiteral("Z-ZWEI 2"));
    EXPECT_EQ(fenster.eKmStand->text(), QStringLiteral("542"));
}

TEST_F(HauptformTest, KartenfahrzeugOhneRohfahrtenOeffnetKeineErfassung)
{
    QWidget eingabe;
    fenster.setZiele({.eingabe = &eingabe});
    build::fahrzeug({.kennzeichen = QStringLiteral("K-CF 7"), .eingabeart = 1, .kfzId = 7});
    oeffnen();
    waehle(QStringLiteral("K-CF 7"));
    fenster.BtOKClick();
    EXPECT_FALSE(eingabe.isVisible());
    EXPECT_TRUE(fenster.CbKFZ->isEnabled());
    EXPECT_EQ(ScriptedPrompts::get().texts(),
              QStringList{QStringLiteral("Für dieses Fahrzeug liegen keine Daten zur Bearbeitung vor.")});
}

TEST_F(HauptformTest, HinweistextFolgtDemAssistenten)
{
    EXPECT_EQ(fenster.Mhinweis->toPlainText(),
              QStringLiteral("Um Fahrten zu erfassen, wählen Sie Ihr \nFahrzeug aus und drücken OK."));
    fenster.RBauswerten->click();
    EXPECT_EQ(fenster.Mhinweis->toPlainText(), QStringLiteral("Hier können Sie Ihre Fahrten filtern, anzeigen und drucken."));
    fenster.RBCFlesen->click();
    EXPECT_TRUE(fenster.Mhinweis->toPlainText().startsWith(QStringLiteral("Legen Sie die Speicherkarte")));
}

TEST_F(HauptformTest, FehlerhafteAnweisungZeigtFehlerfensterUndHandlerEndet)
{
    oeffnen();
    SqlStatement("DROP TABLE T_basis").exec();
    aktivieren(fenster);
    ASSERT_EQ(ScriptedPrompts::get().shown().size(), 1u);
    const auto& box = ScriptedPrompts::get().shown().front();
    EXPECT_EQ(box.title, QStringLiteral("Varno"));
    EXPECT_EQ(box.icon, PromptIcon::Error);
    EXPECT_TRUE(box.text.contains(QStringLiteral("T_basis"))) << box.text.toStdString();
    // The activation that follows the error box does not fail again at once.
    aktivieren(fenster);
    EXPECT_EQ(ScriptedPrompts::get().shown().size(), 1u);
}

TEST_F(HauptformTest, PositionWirdBeimDeaktivierenGespeichertUndBeimAktivierenGesetzt)
{
    oeffnen();
    fenster.move(321, 123);
    fenster.FormDeactivate();
    EXPECT_EQ(SqlStatement::scalarInt("SELECT Fensterpos_X FROM T_Optionen"), fenster.x());
    OptionenStore::fensterposSpeichern(50, 60);
    aktivieren(fenster);
    EXPECT_EQ(fenster.pos(), QPoint(50, 60));
}

TEST(HauptformOhneDatenbank, MeldetFehlendeDatenbankUndZeigtDatensicherung)
{
    QTemporaryDir leer;
    {
        Sitzung sitzung{QDir(leer.path()).filePath(QStringLiteral("varno.db"))};
        THauptform fenster{sitzung};
        QWidget datensicherung;
        fenster.setZiele({.datensicherung = &datensicherung});
        fenster.FormShow();
        aktivieren(fenster);
        EXPECT_FALSE(sitzung.datenbankVorhanden());
        EXPECT_EQ(ScriptedPrompts::get().texts(),
                  QStringList{QStringLiteral(
                      "Datenbank nicht gefunden. Sie können jetzt eine bestehende Datensicherung zurücksichern.")});
        EXPECT_TRUE(datensicherung.isVisible());
        EXPECT_FALSE(fenster.isEnabled());
        EXPECT_EQ(fenster.CbKFZ->count(), 0);
        EXPECT_FALSE(fenster.CbKFZ->isEnabled());
        datensicherung.close();
        EXPECT_TRUE(fenster.isEnabled());
    }
}

TEST(Programm, StartetOhneStartbildMitMusterfahrzeug)
{
    TestDatabase db;
    Varno varno{db.file()};
    varno.starten(false);
    THauptform* fenster = varno.hauptform();
    ASSERT_TRUE(fenster->isVisible());
    aktivieren(*fenster);
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Varno Fahrtenbuchsoftware"));
    EXPECT_EQ(fenster->CbKFZ->currentText(), QStringLiteral("Musterfahrzeug"));
    EXPECT_EQ(fenster->EFahrten->text(), QStringLiteral("keine"));
    EXPECT_TRUE(fenster->RBerfassen->isChecked());
    EXPECT_EQ(ohneKuerzel(fenster->findChild<QPushButton*>(QStringLiteral("BtEnde"))->text()), QStringLiteral("Varno beenden"));
}

struct OffenesFensterFall {
    const char* name;
    QWidget* (*fenster)(const Varno&);
};

class SchliessenMitOffenemFenster : public ::testing::TestWithParam<OffenesFensterFall> {};

TEST_P(SchliessenMitOffenemFenster, BeendetDasProgrammWieVarnoBeenden)
{
    TestDatabase db;
    Varno varno{db.file()};
    varno.starten(false);
    THauptform* haupt = varno.hauptform();
    ASSERT_TRUE(QTest::qWaitForWindowActive(haupt));
    GetParam().fenster(varno)->show();
    haupt->move(140, 90);

    QTimer::singleShot(0, haupt, &QWidget::close);
    // Should the program not end, the test does after a while instead of waiting for ever.
    QTimer notbremse;
    notbremse.setSingleShot(true);
    QObject::connect(&notbremse, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    notbremse.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT Fensterpos_X FROM T_Optionen")), 140);
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT Fensterpos_Y FROM T_Optionen")), 90);
}

INSTANTIATE_TEST_SUITE_P(
    Fenster, SchliessenMitOffenemFenster,
    ::testing::Values(
        OffenesFensterFall{"Kartenimport", [](const Varno& v) -> QWidget* { return v.kartenimport(); }},
        OffenesFensterFall{"Datensicherung", [](const Varno& v) -> QWidget* { return v.datensicherung(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// --- a logbook on a PostgreSQL server, chosen in the options ---

class ServerStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!testserver::adresse())
            GTEST_SKIP() << testserver::fehlt;
        adresse = testserver::leereDatenbank();
        Datenbankwahl{true, serveradresseLesen(adresse)}.speichern();
        // Decided at start, as the program does.
        sitzung.setLogbuch(logbuchort(std::nullopt).datei);
    }
    void TearDown() override
    {
        QFile::remove(Datenbankwahl::datei());
        Database::schliessen();
    }

    QString adresse;
    Sitzung sitzung;
    THauptform fenster{sitzung};
};

TEST_F(ServerStart, LeereDatenbankBekommtNachRueckfrageEinNeuesFahrtenbuch)
{
    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    fenster.FormShow();
    aktivieren(fenster);

    ASSERT_EQ(ScriptedPrompts::get().shown().size(), 1U);
    EXPECT_EQ(ScriptedPrompts::get().shown().front().text,
              QStringLiteral("Die Datenbank %1 enthält noch kein Fahrtenbuch.\nSoll dort ein neues Fahrtenbuch "
                             "angelegt werden?")
                  .arg(adresse));
    EXPECT_EQ(Database::ort(), adresse);
    EXPECT_EQ(fenster.CbKFZ->currentText(), QStringLiteral("Musterfahrzeug"));
    EXPECT_TRUE(fenster.CbKFZ->isEnabled());
}

TEST_F(ServerStart, AbgelehntesAnlegenBeendetDenStartOhneEtwasZuOeffnen)
{
    QSignalSpy beendet(&fenster, &THauptform::beenden);
    ScriptedPrompts::get().answer(PromptAnswer::No);
    fenster.FormShow();
    EXPECT_EQ(beendet.count(), 1);
    EXPECT_FALSE(Database::isOpen());
    EXPECT_FALSE(QFileInfo::exists(QString::fromLatin1(Database::fileName)));
}

TEST_F(ServerStart, UnerreichbarerServerWirdGemeldet)
{
    sitzung.setLogbuch(QStringLiteral("postgresql://varno@127.0.0.1:1/fahrtenbuch"));
    QSignalSpy beendet(&fenster, &THauptform::beenden);
    fenster.FormShow();
    EXPECT_EQ(beendet.count(), 1);
    ASSERT_EQ(ScriptedPrompts::get().texts().size(), 1);
    EXPECT_TRUE(ScriptedPrompts::get().texts().front().startsWith(QStringLiteral(
        "Die Verbindung zum Datenbankserver postgresql://varno@127.0.0.1:1/fahrtenbuch ist nicht möglich")));
}
