#include "EingabeFenster.h"

#include "entry/ui/Vorschlagsliste.h"
#include "support/ScriptedPrompts.h"
#include "support/ui/Tastenkuerzel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

struct ZeitTippFall {
    int cursor;
    const char* ziffern;
    const char* ergebnis;
};

class Zeittippen : public EingabeFenster, public ::testing::WithParamInterface<ZeitTippFall> {};

TEST_P(Zeittippen, VerlassenErgaenztDieZeit)
{
    oeffnen(fahrzeugMitLetzterFahrt());
    fenster.EAbfahrt->setFocus();
    fenster.EAbfahrt->setCursorPosition(GetParam().cursor);
    QTest::keyClicks(fenster.EAbfahrt, QString::fromLatin1(GetParam().ziffern));
    verlassen();
    EXPECT_EQ(TF_Eingabe::zeittext(fenster.EAbfahrt), QString::fromLatin1(GetParam().ergebnis));
}

INSTANTIATE_TEST_SUITE_P(Faelle, Zeittippen,
                         ::testing::Values(ZeitTippFall{0, "7", "07:00"}, ZeitTippFall{0, "145", "14:05"},
                                           ZeitTippFall{3, "30", "00:30"}, ZeitTippFall{0, "", "  :  "}));

TEST_F(EingabeFenster, VierteZifferGehtZumNaechstenFeld)
{
    oeffnen(fahrzeugMitLetzterFahrt());
    zeitTippen(fenster.EAbfahrt, QStringLiteral("083"));
    EXPECT_EQ(fokus(), QStringLiteral("EAbfahrt"));
    QTest::keyClicks(fenster.EAbfahrt, QStringLiteral("0"));
    EXPECT_NE(fokus(), QStringLiteral("EAbfahrt"));
    EXPECT_EQ(TF_Eingabe::zeittext(fenster.EAbfahrt), QStringLiteral("08:30"));
    EXPECT_EQ(ohneKuerzel(fenster.btSchliessenSpeichern->text()), QStringLiteral("Speichern"));

    // Past the calendar to the arrival, which moves on to the start place (locked) and the destination.
    zeitTippen(fenster.EAnkunft, QStringLiteral("0915"));
    EXPECT_EQ(fokus(), QStringLiteral("Cbnach"));
}

TEST_F(EingabeFenster, KlickMarkiertDieZeit)
{
    oeffnen(fahrzeugMitLetzterFahrt());
    fenster.EAnkunft->setText(QStringLiteral("09:15"));
    QTest::mouseClick(fenster.EAnkunft, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(fenster.EAnkunft->selectedText(), QStringLiteral("09:15"));
}

TEST_F(EingabeFenster, StreckeErgibtKilometerstand)
{
    oeffnen(fahrzeugMitLetzterFahrt()); // last reading 12345
    tippen(fenster.Ekm, QStringLiteral("45"));
    verlassen();
    EXPECT_EQ(fenster.EkmStand->text(), QStringLiteral("12390  "));
    EXPECT_EQ(fenster.Ekm->text(), QStringLiteral("45  "));

    fenster.Ekm->clear();
    fenster.EkmStand->clear();
    tippen(fenster.EkmStand, QStringLiteral("12400"));
    verlassen();
    EXPECT_EQ(fenster.Ekm->text(), QStringLiteral("55  "));
}

TEST_F(EingabeFenster, StreckeMitLueckeIstFehler)
{
    oeffnen(fahrzeugMitLetzterFahrt());
    tippen(fenster.Ekm, QStringLiteral("1 2"));
    verlassen();
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QStringLiteral("Fehler bei der Eingabe")});
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 1);
    EXPECT_EQ(fokus(), QStringLiteral("Ekm"));
    EXPECT_EQ(fenster.Ekm->text(), QStringLiteral("1 2"));
    // The remark was never entered, so nothing else was "left" on the way.
    EXPECT_TRUE(fenster.EkmStand->text().isEmpty());
}

class Auswahl : public EingabeFenster {
protected:
    void SetUp() override
    {
        EingabeFenster::SetUp();
        build::ort(QStringLiteral("Bahnhof"));
        build::ort(QStringLiteral("Büro"));
        oeffnen(build::fahrzeug({.kennzeichen = QStringLiteral("N-EU 1")}));
        fenster.Cbnach->setEditText(QString());
    }
};

TEST_F(Auswahl, ErgaenztAusDerListeUndBehaeltDenCaret)
{
    tippen(fenster.Cbnach, QStringLiteral("B"));
    EXPECT_EQ(fenster.Cbnach->currentText(), QStringLiteral("Bahnhof"));
    EXPECT_EQ(fenster.Cbnach->lineEdit()->cursorPosition(), 1);
    EXPECT_FALSE(fenster.Cbnach->lineEdit()->hasSelectedText());
    EXPECT_TRUE(fenster.vorschlagsliste()->isVisible());
    EXPECT_EQ(ohneKuerzel(fenster.btSchliessenSpeichern->text()), QStringLiteral("Speichern"));

    QTest::sendKeyEvent(QTest::Click, fenster.Cbnach, Qt::Key_Udiaeresis, QStringLiteral("ü"), Qt::NoModifier);
    EXPECT_EQ(fenster.Cbnach->currentText(), QStringLiteral("Büro"));
    EXPECT_EQ(fenster.Cbnach->lineEdit()->cursorPosition(), 2);
}

TEST_F(Auswahl, OhneTrefferEndetDerTextAmCaret)
{
    tippen(fenster.Cbnach, QStringLiteral("Bx"));
    EXPECT_EQ(fenster.Cbnach->currentText(), QStringLiteral("Bx"));
    EXPECT_FALSE(fenster.vorschlagsliste()->isVisible());
}

TEST_F(Auswahl, GrossUndKleinschreibungZaehlt)
{
    tippen(fenster.Cbnach, QStringLiteral("b"));
    EXPECT_EQ(fenster.Cbnach->currentText(), QStringLiteral("b"));
}

TEST_F(Auswahl, VerlassenEntferntSatzzeichenUndSetztVorgaben)
{
    fenster.Cbzweck->setEditText(QString());
    tippen(fenster.Cbzweck, QStringLiteral("Kunde."));
    verlassen();
    EXPECT_EQ(fenster.Cbzweck->currentText(), QStringLiteral("Kunde"));

    fenster.Cbzweck->setEditText(QString());
    fenster.Cbzweck->setFocus();
    verlassen();
    EXPECT_EQ(fenster.Cbzweck->currentText(), QStringLiteral("keine Angabe"));

    fenster.CbKategorie->setEditText(QString());
    fenster.CbKategorie->setFocus();
    verlassen();
    EXPECT_EQ(fenster.CbKategorie->currentText(), QStringLiteral("Standard"));
}

TEST_F(Auswahl, KlickInDieListeUebernimmtEintrag)
{
    tippen(fenster.Cbnach, QStringLiteral("B"));
    ASSERT_TRUE(fenster.vorschlagsliste()->isVisible());
    QListWidgetItem* buero = fenster.vorschlagsliste()->item(1);
    QTest::mouseClick(fenster.vorschlagsliste()->viewport(), Qt::LeftButton, {},
                      fenster.vorschlagsliste()->visualItemRect(buero).center());
    EXPECT_EQ(fenster.Cbnach->currentText(), QStringLiteral("Büro"));
    EXPECT_FALSE(fenster.vorschlagsliste()->isVisible());
}
