#include "common/Clock.h"
#include "db/SqlStatement.h"
#include "master/ui/Kilometerstandfeld.h"
#include "master/ui/TF_KFZNeu.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QDate heute(2006, 6, 1);

class KFZNeuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::setFixed(QDateTime(heute, QTime(10, 0)));
        fenster.show();
        fenster.FormActivate();
    }
    void TearDown() override { Clock::reset(); }

    void eingeben(const QString& kennzeichen, const QString& km)
    {
        fenster.eKFZ->setText(kennzeichen);
        fenster.eAnfKM->setText(km);
    }

    void eingabeart(int index)
    {
        fenster.cbEingabeart->setCurrentIndex(index);
        fenster.cbEingabeartChange();
    }

    static int fahrzeugeMit(const QString& kennzeichen)
    {
        return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_KFZ WHERE KZuFzg = ?"), {kennzeichen});
    }

    TestDatabase db;
    TF_KFZNeu fenster;
};

} // namespace

TEST_F(KFZNeuTest, StartzustandNachDemAnzeigen)
{
    EXPECT_EQ(fenster.windowTitle(), QStringLiteral("KFZ anlegen"));
    EXPECT_EQ(fenster.dtpStartDat->date(), heute);
    EXPECT_EQ(fenster.dtpStartDat->minimumDate(), QDate(2003, 1, 1));
    EXPECT_EQ(fenster.dtpInspDat->minimumDate(), heute);
    EXPECT_EQ(fenster.cbEingabeart->currentText(), QStringLiteral("manuell"));
    EXPECT_FALSE(fenster.EID->isEnabled());
    EXPECT_FALSE(fenster.BtID_lesen->isEnabled());
    EXPECT_FALSE(fenster.BtSpeichern->isEnabled());
    EXPECT_EQ(fenster.eKFZ->toolTip(), QStringLiteral("nach dem Prinzip AB-CD 1234, Mercedes 500SL"));
}

TEST_F(KFZNeuTest, SpeichernErstWennKennzeichenUndKilometerstandDaSind)
{
    QTest::keyClicks(fenster.eKFZ, QStringLiteral("B-XY 1"));
    EXPECT_FALSE(fenster.BtSpeichern->isEnabled());
    QTest::keyClicks(fenster.eAnfKM, QStringLiteral("12a3"));
    EXPECT_EQ(fenster.eAnfKM->text(), QStringLiteral("123"));
    EXPECT_TRUE(fenster.BtSpeichern->isEnabled());
    fenster.btVerwerfen->click();
    EXPECT_FALSE(fenster.BtSpeichern->isEnabled());
    EXPECT_TRUE(fenster.eKFZ->text().isEmpty());
}

TEST_F(KFZNeuTest, LegtFahrzeugMitStartdatensatzAn)
{
    eingeben(QStringLiteral("O'Neil, Golf"), QStringLiteral("0012345"));
    fenster.dtpStartDat->setDate(QDate(2005, 12, 24));
    fenster.eInspKM->setText(QStringLiteral("20000"));
    fenster.dtpInspDat->setDate(QDate(2006, 9, 1));
    fenster.BtSpeichern->click();

    EXPECT_FALSE(fenster.isVisible());
    SqlStatement kfz("SELECT ID, AnfKM, InspKM, InspDat, Eingabeart, KFZID, Abgeschlossen FROM T_KFZ WHERE KZuFzg = ?");
    kfz.bind(QStringLiteral("O'Neil, Golf")).exec();
    ASSERT_TRUE(kfz.next());
    EXPECT_EQ(kfz.intValue("AnfKM"), 12345);
    EXPECT_EQ(kfz.intValue("InspKM"), 20000);
    EXPECT_EQ(kfz.text("InspDat"), QStringLiteral("2006-09-01 00:00:00"));
    EXPECT_EQ(kfz.intValue("Eingabeart"), 0);
    EXPECT_EQ(kfz.intValue("KFZID"), -1);
    EXPECT_EQ(kfz.intValue("Abgeschlossen"), 0);

    SqlStatement start("SELECT AbDat, AnDat, km_an, Art, Zweck FROM T_MIREL WHERE KFZ = ?");
    start.bind(kfz.intValue("ID")).exec();
    ASSERT_TRUE(start.next());
    EXPECT_EQ(start.text("AbDat"), QStringLiteral("2005-12-24 00:00:00"));
    EXPECT_EQ(start.text("AnDat"), QStringLiteral("2005-12-24 00:00:00"));
    EXPECT_EQ(start.intValue("km_an"), 12345);
    EXPECT_EQ(start.intValue("Art"), 99);
    EXPECT_EQ(start.intValue("Zweck"), 1);
    EXPECT_FALSE(start.next());

    // The plate with its apostrophe is found by the duplicate check.
    fenster.show();
    fenster.FormActivate();
    eingeben(QStringLiteral("O'Neil, Golf"), QStringLiteral("1"));
    fenster.BtSpeichern->click();
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QStringLiteral("Das Fahrzeug ist bereits vorhanden.")});
    EXPECT_EQ(fahrzeugeMit(QStringLiteral("O'Neil, Golf")), 1);
}

TEST_F(KFZNeuTest, VorhandenesKennzeichenAuchAbgeschlossenUndInAndererSchreibweise)
{
    const int id = build::fahrzeug({.kennzeichen = QStringLiteral("HH-AB 1, Golf")});
    SqlStatement("UPDATE T_KFZ SET Abgeschlossen = 1 WHERE ID = ?").bind(id).exec();
    eingeben(QStringLiteral("hh-ab 1, golf"), QStringLiteral("100"));
    fenster.BtSpeichern->click();

    auto& prompts = ScriptedPrompts::get();
    EXPECT_EQ(prompts.beeps(), 1);
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Das Fahrzeug ist bereits vorhanden.")});
    EXPECT_EQ(prompts.shown().back().title, QStringLiteral("Fehler"));
    EXPECT_EQ(fenster.focusWidget(), fenster.eKFZ);
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_KFZ")), 2);
}

TEST_F(KFZNeuTest, InspektionImVergangenenOderUnterDemAnfangsstandWirdAbgelehnt)
{
    eingeben(QStringLiteral("B-XY 1"), QStringLiteral("5000"));
    fenster.eInspKM->setText(QStringLiteral("5000"));
    fenster.BtSpeichern->click();
    auto& prompts = ScriptedPrompts::get();
    EXPECT_EQ(prompts.texts(),
              QStringList{QStringLiteral("Der Inspektions-Kilometerstand muß größer als der Anfangskilometerstand sein.")});
    EXPECT_EQ(prompts.beeps(), 0);
    EXPECT_EQ(fenster.focusWidget(), fenster.eInspKM);
    EXPECT_EQ(fahrzeugeMit(QStringLiteral("B-XY 1")), 0);
}

TEST_F(KFZNeuTest, KennzeichenVerliertAngehaengteZeichenBeimVerlassen)
{
    fenster.activateWindow();
    fenster.eKFZ->setFocus();
    QTest::keyClicks(fenster.eKFZ, QStringLiteral("B-XY 1, Golf, "));
    fenster.eKFZExit();
    EXPECT_EQ(fenster.eKFZ->text(), QStringLiteral("B-XY 1, Golf"));
    fenster.eKFZ->setText(QStringLiteral("M-Ü 1, Kö"));
    fenster.eKFZExit();
    EXPECT_EQ(fenster.eKFZ->text(), QStringLiteral("M-Ü 1, K"));
}

TEST_F(KFZNeuTest, LeereFahrzeugIdNachVarnoMeldetPositionEinsUndBehaeltDenFokus)
{
    eingabeart(1);
    ASSERT_TRUE(fenster.EID->isEnabled());
    fenster.EID->setFocus();
    fenster.EIDExit();
    auto& prompts = ScriptedPrompts::get();
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown().front().title, QStringLiteral("Warnung"));
    EXPECT_EQ(prompts.shown().front().text, QStringLiteral("Fehler an Position: 1"));
    EXPECT_EQ(fenster.focusWidget(), fenster.EID);

    fenster.EID->setText(QStringLiteral("  007"));
    fenster.EIDExit();
    EXPECT_EQ(fenster.EID->text(), QStringLiteral("7"));
    EXPECT_EQ(prompts.shown().size(), 1u);
}

TEST_F(KFZNeuTest, KartenfahrzeugSpeichertSeineNummer)
{
    eingabeart(1);
    eingeben(QStringLiteral("K-CF 7"), QStringLiteral("100"));
    fenster.EID->setText(QStringLiteral("7"));
    fenster.BtSpeichern->click();
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT KFZID FROM T_KFZ WHERE KZuFzg = 'K-CF 7'")), 7);
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT Eingabeart FROM T_KFZ WHERE KZuFzg = 'K-CF 7'")), 1);
}

TEST_F(KFZNeuTest, UngueltigeNummerBeimSpeichernWirdNichtGespeichert)
{
    eingabeart(2);
    eingeben(QStringLiteral("M-IR 1"), QStringLiteral("100"));
    fenster.EID->setText(QStringLiteral("12x"));
    fenster.BtSpeichern->click();
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QStringLiteral("Fehler an Position: 3")});
    EXPECT_EQ(fahrzeugeMit(QStringLiteral("M-IR 1")), 0);
}

TEST_F(KFZNeuTest, NummerEinesFrueherenFahrzeugsHaftetNichtAmManuellen)
{
    eingabeart(1);
    fenster.EID->setText(QStringLiteral("5"));
    fenster.btVerwerfen->click();
    EXPECT_EQ(fenster.EID->text(), QStringLiteral("5"));
    EXPECT_FALSE(fenster.EID->isEnabled());
    eingeben(QStringLiteral("A-MAN 1"), QStringLiteral("100"));
    fenster.BtSpeichern->click();
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT KFZID FROM T_KFZ WHERE KZuFzg = 'A-MAN 1'")), -1);
}

struct MirelFall {
    bool vorhanden;
    PromptAnswer antwort;
};

class MirelFrage : public KFZNeuTest, public ::testing::WithParamInterface<MirelFall> {};

TEST_P(MirelFrage, FragtNachDemEichenAuchBeiVorhandenemFahrzeug)
{
    QWidget verbindung;
    fenster.setMirelVerbindung(&verbindung);
    if (GetParam().vorhanden)
        build::fahrzeug({.kennzeichen = QStringLiteral("M-IR 1")});
    eingabeart(2);
    EXPECT_TRUE(fenster.BtID_lesen->isEnabled());
    eingeben(QStringLiteral("M-IR 1"), QStringLiteral("100"));
    fenster.EID->setText(QStringLiteral("3"));
    auto& prompts = ScriptedPrompts::get();
    prompts.answer(GetParam().antwort);
    fenster.BtSpeichern->click();

    const auto& frage = prompts.shown().back();
    EXPECT_EQ(frage.text, QStringLiteral("Wollen Sie das Fahrtenbuch jetzt eichen?"));
    EXPECT_EQ(frage.title, QStringLiteral("Bestätigung"));
    EXPECT_EQ(frage.buttons, PromptButtons::YesNo);
    EXPECT_EQ(verbindung.isVisible(), GetParam().antwort == PromptAnswer::Yes);
    EXPECT_EQ(fahrzeugeMit(QStringLiteral("M-IR 1")), 1);
    EXPECT_EQ(fenster.isVisible(), GetParam().vorhanden);
}

INSTANTIATE_TEST_SUITE_P(Faelle, MirelFrage,
                         ::testing::Values(MirelFall{false, PromptAnswer::Yes}, MirelFall{false, PromptAnswer::No},
                                           MirelFall{true, PromptAnswer::Yes}, MirelFall{true, PromptAnswer::No}));

TEST_F(KFZNeuTest, AktivierungNachEinerMeldungBehaeltDieEingaben)
{
    eingeben(QStringLiteral("B-XY 1"), QStringLiteral("100"));
    fenster.FormActivate();
    EXPECT_EQ(fenster.eKFZ->text(), QStringLiteral("B-XY 1"));
    fenster.btAbbrechen->click();
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_TRUE(fenster.eKFZ->text().isEmpty());
}

TEST_F(KFZNeuTest, KilometerfeldWirdBeimVerlassenNormalisiert)
{
    fenster.eAnfKM->setText(QStringLiteral("0012"));
    fenster.eAnfKM->normalisieren();
    EXPECT_EQ(fenster.eAnfKM->text(), QStringLiteral("12"));
    fenster.eAnfKM->clear();
    fenster.eAnfKM->normalisieren();
    EXPECT_TRUE(fenster.eAnfKM->text().isEmpty());
}

TEST_F(KFZNeuTest, VerlassenDerFelderPrueftUndBereinigt)
{
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    eingabeart(1);
    fenster.eKFZ->setFocus();
    fenster.eKFZ->setText(QStringLiteral("B-XY 1, "));
    fenster.EID->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(fenster.eKFZ->text(), QStringLiteral("B-XY 1"));

    fenster.EID->setText(QStringLiteral("x"));
    fenster.eInspKM->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QStringLiteral("Fehler an Position: 1")});
    EXPECT_EQ(QApplication::focusWidget(), fenster.EID);

    fenster.EID->setText(QStringLiteral(" 03"));
    fenster.eInspKM->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(fenster.EID->text(), QStringLiteral("3"));
    fenster.eInspKM->setText(QStringLiteral("0042"));
    fenster.eKFZ->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(fenster.eInspKM->text(), QStringLiteral("42"));
    EXPECT_EQ(ScriptedPrompts::get().texts().size(), 1);
}
