#include "common/Clock.h"
#include "db/SqlStatement.h"
#include "master/ui/Kilometerstandfeld.h"
#include "master/ui/TF_KFZ.h"
#include "master/ui/TF_KFZNeu.h"
#include "support/MerkpunktBuilder.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"
#include "support/ui/Tastenkuerzel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QDate heute(2006, 6, 1);

class KFZFensterTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::setFixed(QDateTime(heute, QTime(10, 0))); }
    void TearDown() override { Clock::reset(); }

    // What the main window does before it opens the vehicle window: load the shared vehicle list.
    void listeLaden()
    {
        db.sitzung().fahrzeugeLaden();
    }

    void oeffnen()
    {
        listeLaden();
        fenster.show();
        fenster.FormActivate();
    }

    void waehle(const QString& kennzeichen)
    {
        fenster.cbKFZ->setCurrentIndex(fenster.cbKFZ->findText(kennzeichen));
        fenster.cbKFZChange();
    }

    QStringList auswahl() const
    {
        QStringList texte;
        for (int i = 0; i < fenster.cbKFZ->count(); ++i)
            texte << fenster.cbKFZ->itemText(i);
        return texte;
    }

    QStringList zeile(int nummer) const
    {
        QStringList texte;
        for (int spalte = 0; spalte < fenster.SGMP->columnCount(); ++spalte)
            texte << fenster.SGMP->item(nummer, spalte)->text();
        return texte;
    }

    TestDatabase db;
    TF_KFZ fenster{db.sitzung()};
};

} // namespace

TEST_F(KFZFensterTest, MusterfahrzeugSpeichertInspektionLaesstSichAberNieAbschliessen)
{
    oeffnen();
    EXPECT_EQ(fenster.cbKFZ->currentText(), QStringLiteral("Musterfahrzeug"));
    EXPECT_EQ(fenster.eKMStand->text(), QStringLiteral("10000"));
    EXPECT_EQ(fenster.cbEingabeart->currentText(), QStringLiteral("manuell"));
    EXPECT_FALSE(fenster.BtAbschliessen->isEnabled());
    EXPECT_FALSE(fenster.BtSpeichern->isEnabled());
    EXPECT_FALSE(fenster.ChBkm->isChecked());
    EXPECT_FALSE(fenster.eInspKM->isEnabled());
    EXPECT_EQ(ohneKuerzel(fenster.btSchliessen->text()), QStringLiteral("Schließen"));
    EXPECT_EQ(fenster.width(), 400);

    fenster.ChBkm->click();
    QTest::keyClicks(fenster.eInspKM, QStringLiteral("15000"));
    EXPECT_TRUE(fenster.BtSpeichern->isEnabled());
    EXPECT_EQ(ohneKuerzel(fenster.btSchliessen->text()), QStringLiteral("Abbrechen"));
    fenster.BtSpeichern->click();

    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT InspKM FROM T_KFZ WHERE ID = 1")), 15000);
    EXPECT_EQ(db.sitzung().fahrzeuge().front().InspKM, 15000);
    EXPECT_TRUE(fenster.ChBkm->isChecked());
    EXPECT_EQ(fenster.eInspKM->text(), QStringLiteral("15000"));
    EXPECT_FALSE(fenster.BtSpeichern->isEnabled());
    EXPECT_FALSE(fenster.BtAbschliessen->isEnabled());
}

struct KmFall {
    const char* km;
    bool gespeichert;
};

class InspektionsKm : public KFZFensterTest, public ::testing::WithParamInterface<KmFall> {};

TEST_P(InspektionsKm, MussUeberDemKilometerstandLiegen)
{
    build::fahrzeug({.kennzeichen = QStringLiteral("A-KM 1"), .anfKm = 20000});
    oeffnen();
    waehle(QStringLiteral("A-KM 1"));
    fenster.ChBkm->click();
    QTest::keyClicks(fenster.eInspKM, QString::fromUtf8(GetParam().km));
    fenster.BtSpeichern->click();

    const int gespeichert =
        SqlStatement::scalarInt(QStringLiteral("SELECT InspKM FROM T_KFZ WHERE KZuFzg = ?"), {QStringLiteral("A-KM 1")});
    auto& prompts = ScriptedPrompts::get();
    if (GetParam().gespeichert) {
        EXPECT_EQ(gespeichert, QString::fromUtf8(GetParam().km).toInt());
        EXPECT_TRUE(prompts.texts().isEmpty());
    } else {
        EXPECT_EQ(gespeichert, 0);
        EXPECT_EQ(prompts.beeps(), 1);
        ASSERT_EQ(prompts.texts().size(), 1);
        EXPECT_EQ(prompts.texts().front(),
                  QStringLiteral("Inspektionskilometerstand muß höher als aktueller Kilometerstand sein."));
        EXPECT_EQ(prompts.shown().back().title, QStringLiteral("Fehler"));
        EXPECT_EQ(fenster.focusWidget(), fenster.eInspKM);
        EXPECT_TRUE(fenster.BtSpeichern->isEnabled());
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, InspektionsKm,
                         ::testing::Values(KmFall{"20000", false}, KmFall{"20001", true}, KmFall{"", false}));

TEST_F(KFZFensterTest, InspektionsdatumHeuteGiltVergangenesNicht)
{
    const int id = build::fahrzeug({.kennzeichen = QStringLiteral("A-DAT 1"), .inspDat = heute.addDays(-10)});
    oeffnen();
    waehle(QStringLiteral("A-DAT 1"));
    EXPECT_TRUE(fenster.ChBDat->isChecked());
    EXPECT_EQ(fenster.dtpInspDat->minimumDate(), heute.addDays(-10));

    fenster.dtpInspDat->setDate(heute.addDays(-5));
    fenster.BtSpeichern->click();
    EXPECT_EQ(ScriptedPrompts::get().texts(),
              QStringList{QStringLiteral("Das Datum der Inspektion muß in der Zukunft liegen.")});
    EXPECT_EQ(fenster.focusWidget(), fenster.dtpInspDat);

    fenster.dtpInspDat->setDate(heute);
    fenster.BtSpeichern->click();
    SqlStatement s("SELECT InspDat FROM T_KFZ WHERE ID = ?");
    s.bind(id).exec();
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.text("InspDat"), QStringLiteral("2006-06-01 00:00:00"));
    EXPECT_EQ(fenster.dtpInspDat->minimumDate(), heute);
}

TEST_F(KFZFensterTest, AbhakenEntferntDieInspektion)
{
    const int id = build::fahrzeug(
        {.kennzeichen = QStringLiteral("A-AB 1"), .inspKm = 30000, .inspDat = heute.addDays(30)});
    oeffnen();
    waehle(QStringLiteral("A-AB 1"));
    ASSERT_TRUE(fenster.ChBkm->isChecked());
    fenster.ChBkm->click();
    fenster.ChBDat->click();
    EXPECT_TRUE(fenster.BtSpeichern->isEnabled());
    fenster.BtSpeichern->click();

    SqlStatement s("SELECT InspKM, InspDat FROM T_KFZ WHERE ID = ?");
    s.bind(id).exec();
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.intValue("InspKM"), 0);
    EXPECT_EQ(s.text("InspDat"), QStringLiteral("2002-01-01 00:00:00"));
    EXPECT_EQ(fenster.cbKFZ->currentText(), QStringLiteral("A-AB 1"));
}

TEST_F(KFZFensterTest, AbschliessenMerktErstesOffenesFahrzeugUndEntferntEsAusDenListen)
{
    build::fahrzeug({.kennzeichen = QStringLiteral("B-ZU 2")});
    const int id = build::fahrzeug({.kennzeichen = QStringLiteral("A-ZU 1")});
    build::optionen(QStringLiteral("KFZ"), id);
    oeffnen();
    waehle(QStringLiteral("A-ZU 1"));
    ASSERT_TRUE(fenster.BtAbschliessen->isEnabled());

    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    fenster.BtAbschliessen->click();

    const auto& frage = ScriptedPrompts::get().shown().front();
    EXPECT_EQ(frage.title, QStringLiteral("Achtung"));
    EXPECT_EQ(frage.icon, PromptIcon::Warning);
    EXPECT_EQ(frage.defaultAnswer, PromptAnswer::No);
    EXPECT_EQ(frage.text, QStringLiteral("Mit einem abgeschlossenen Fahrzeug können keine Fahrten mehr erfasst werden. "
                                         "Trotzdem abschließen?"));
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT Abgeschlossen FROM T_KFZ WHERE ID = ?"), {id}), 1);
    const int ersteOffene =
        SqlStatement::scalarInt(QStringLiteral("SELECT ID FROM T_KFZ WHERE KZuFzg = 'B-ZU 2'"));
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT KFZ FROM T_Optionen")), ersteOffene);
    EXPECT_EQ(auswahl(), (QStringList{QStringLiteral("B-ZU 2"), QStringLiteral("Musterfahrzeug")}));
    EXPECT_EQ(fenster.cbKFZ->currentText(), QStringLiteral("B-ZU 2"));
    EXPECT_EQ(db.sitzung().fahrzeuge().size(), 2u);
}

TEST_F(KFZFensterTest, NeinLaesstDasFahrzeugOffen)
{
    const int id = build::fahrzeug({.kennzeichen = QStringLiteral("A-ZU 1")});
    oeffnen();
    waehle(QStringLiteral("A-ZU 1"));
    ScriptedPrompts::get().answer(PromptAnswer::No);
    fenster.BtAbschliessen->click();
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT Abgeschlossen FROM T_KFZ WHERE ID = ?"), {id}), 0);
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT KFZ FROM T_Optionen")), 1);
}

TEST_F(KFZFensterTest, FahrzeugDerLaufendenErfassungLaesstSichNichtAbschliessen)
{
    const int id = build::fahrzeug({.kennzeichen = QStringLiteral("A-ZU 1")});
    db.sitzung().setAktuellesFahrzeug(id);
    db.sitzung().setFahrtenerfassungLaeuft(true);
    oeffnen();
    waehle(QStringLiteral("A-ZU 1"));
    EXPECT_FALSE(fenster.BtAbschliessen->isEnabled());
}

TEST_F(KFZFensterTest, GemerktesFahrzeugNichtMehrInDerListeWaehltDasErste)
{
    build::fahrzeug({.kennzeichen = QStringLiteral("Z-WEG 9")});
    oeffnen();
    waehle(QStringLiteral("Z-WEG 9"));
    fenster.MerkKFZ = QStringLiteral("X-GIBTS 0");
    fenster.cbKFZ->setCurrentIndex(-1);
    fenster.Einlesen();
    EXPECT_EQ(fenster.cbKFZ->currentText(), QStringLiteral("Musterfahrzeug"));

    // Activation remembers the shown vehicle and selects it again.
    waehle(QStringLiteral("Z-WEG 9"));
    fenster.FormActivate();
    EXPECT_EQ(fenster.MerkKFZ, QStringLiteral("Z-WEG 9"));
    EXPECT_EQ(fenster.cbKFZ->currentText(), QStringLiteral("Z-WEG 9"));
}

TEST_F(KFZFensterTest, ErneuteAktivierungBehaeltUngespeicherteEingaben)
{
    oeffnen();
    fenster.ChBkm->click();
    QTest::keyClicks(fenster.eInspKM, QStringLiteral("12345"));
    fenster.FormActivate();
    EXPECT_EQ(fenster.eInspKM->text(), QStringLiteral("12345"));
    EXPECT_TRUE(fenster.BtSpeichern->isEnabled());

    fenster.close();
    EXPECT_EQ(fenster.cbKFZ->count(), 0);
    EXPECT_TRUE(fenster.eInspKM->text().isEmpty());
    oeffnen();
    EXPECT_FALSE(fenster.BtSpeichern->isEnabled());
    EXPECT_TRUE(fenster.eInspKM->text().isEmpty());
}

TEST_F(KFZFensterTest, KartenfahrzeugZeigtMerkpunkteMitFahrerInZeitfolge)
{
    build::fahrzeug({.kennzeichen = QStringLiteral("K-CF 7"), .eingabeart = 1, .kfzId = 7});
    const QString schluessel = QStringLiteral("7 - K-CF 7");
    build::kartenfahrer(QStringLiteral("111"), build::fahrer(QStringLiteral("Meier")));
    const QDate tag(2006, 3, 1);
    build::merkpunkt({.zeit = QDateTime(tag, QTime(12, 0)), .km = 1300, .karte = QStringLiteral("111"),
                      .kfzSchluessel = schluessel});
    build::merkpunkt({.zeit = QDateTime(tag, QTime(8, 30)), .km = 1100, .bemerkung = QStringLiteral("Tanken"),
                      .karte = QStringLiteral("111"), .kfzSchluessel = schluessel});
    build::merkpunkt({.zeit = QDateTime(tag, QTime(10, 15, 5)), .km = 1200, .karte = QStringLiteral("111"),
                      .kfzSchluessel = schluessel});
    // A card nobody was assigned to, and another vehicle's waypoint.
    build::merkpunkt({.zeit = QDateTime(tag, QTime(9, 0)), .km = 1150, .karte = QStringLiteral("222"),
                      .kfzSchluessel = schluessel});
    build::merkpunkt({.zeit = QDateTime(tag, QTime(9, 0)), .km = 5, .karte = QStringLiteral("111"),
                      .kfzSchluessel = QStringLiteral("8 - K-CF 8")});

    oeffnen();
    waehle(QStringLiteral("K-CF 7"));
    EXPECT_EQ(fenster.width(), 800);
    EXPECT_TRUE(fenster.SGMP->isVisible());
    EXPECT_TRUE(fenster.BtEichen->isVisible());
    EXPECT_FALSE(fenster.BtEichen->isEnabled());
    EXPECT_EQ(fenster.EFahrzeug_ID->text(), QStringLiteral("7"));
    ASSERT_EQ(fenster.SGMP->rowCount(), 3);
    EXPECT_EQ(zeile(0), (QStringList{QStringLiteral("01.03.2006 08:30:00"), QStringLiteral("1100"),
                                     QStringLiteral("Meier"), QStringLiteral("Tanken")}));
    EXPECT_EQ(zeile(1).first(), QStringLiteral("01.03.2006 10:15:05"));
    EXPECT_EQ(zeile(2).first(), QStringLiteral("01.03.2006 12:00:00"));

    waehle(QStringLiteral("Musterfahrzeug"));
    EXPECT_EQ(fenster.width(), 400);
    EXPECT_FALSE(fenster.SGMP->isVisible());
    EXPECT_FALSE(fenster.BtEichen->isVisible());
}

TEST_F(KFZFensterTest, KarteOhneFahrerZeigtKeineMerkpunkte)
{
    build::fahrzeug({.kennzeichen = QStringLiteral("K-CF 7"), .eingabeart = 1, .kfzId = 7});
    build::merkpunkt({.zeit = QDateTime(heute, QTime(8, 0)), .km = 1100, .kfzSchluessel = QStringLiteral("7 - K-CF 7")});
    oeffnen();
    waehle(QStringLiteral("K-CF 7"));
    EXPECT_EQ(fenster.width(), 800);
    EXPECT_EQ(fenster.SGMP->rowCount(), 0);
}

TEST_F(KFZFensterTest, ManuellesFahrzeugZeigtKeineFahrzeugnummer)
{
    build::fahrzeug({.kennzeichen = QStringLiteral("A-MAN 1"), .eingabeart = 0, .kfzId = 5});
    build::fahrzeug({.kennzeichen = QStringLiteral("A-MIR 2"), .eingabeart = 2, .kfzId = 9});
    oeffnen();
    waehle(QStringLiteral("A-MAN 1"));
    EXPECT_TRUE(fenster.EFahrzeug_ID->text().isEmpty());
    waehle(QStringLiteral("A-MIR 2"));
    EXPECT_EQ(fenster.EFahrzeug_ID->text(), QStringLiteral("9"));
    EXPECT_EQ(fenster.cbEingabeart->currentText(), QStringLiteral("Mirel"));
}

TEST_F(KFZFensterTest, SpeicherkarteOeffnetDieKartenlisteWennVerbunden)
{
    QWidget kartenliste;
    fenster.setKartenliste(&kartenliste);
    build::fahrzeug({.kennzeichen = QStringLiteral("K-CF 7"), .eingabeart = 1, .kfzId = 7});
    oeffnen();
    waehle(QStringLiteral("K-CF 7"));
    ASSERT_TRUE(fenster.BtEichen->isEnabled());
    fenster.BtEichen->click();
    EXPECT_TRUE(kartenliste.isVisible());
}

TEST_F(KFZFensterTest, NeuesFahrzeugErscheintNachDemAnlegenInDerListe)
{
    TF_KFZNeu neu;
    fenster.setNeuesFahrzeugFenster(&neu);
    oeffnen();
    fenster.BtNeu->click();
    ASSERT_TRUE(neu.isVisible());
    neu.FormActivate();
    neu.eKFZ->setText(QStringLiteral("N-EU 1, Polo"));
    neu.eAnfKM->setText(QStringLiteral("500"));
    neu.BtSpeichern->click();
    EXPECT_FALSE(neu.isVisible());
    EXPECT_TRUE(auswahl().contains(QStringLiteral("N-EU 1, Polo")));
}
