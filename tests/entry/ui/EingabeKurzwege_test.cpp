#include "EingabeFenster.h"

#include "db/SqlStatement.h"
#include "entry/ui/Radiogruppe.h"
#include "support/ScriptedPrompts.h"
#include "support/ui/Tastenkuerzel.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace {

void stammfahrt(int von, int nach, int km, int zweck, int kategorie, int art)
{
    SqlStatement("INSERT INTO T_STAMMFAHRTEN (Von, Nach, KM, Zweck, Kategorie, Art) VALUES (?, ?, ?, ?, ?, ?)")
        .bind(von).bind(nach).bind(km).bind(zweck).bind(kategorie).bind(art).exec();
}

QStringList listenzeilen(const QTableWidget* liste)
{
    QStringList texte;
    for (int zeile = 0; zeile < liste->rowCount(); ++zeile) {
        QStringList zellen;
        for (int spalte = 0; spalte < liste->columnCount(); ++spalte)
            zellen << liste->item(zeile, spalte)->text();
        texte << zellen.join(QLatin1Char('|'));
    }
    return texte;
}

QStringList eintraege(const QComboBox* feld)
{
    QStringList texte;
    for (int i = 0; i < feld->count(); ++i)
        texte << feld->itemText(i);
    return texte;
}

} // namespace

class Kurzwege : public EingabeFenster {
protected:
    void SetUp() override
    {
        EingabeFenster::SetUp();
        buero = build::ort(QStringLiteral("Büro"));
        kunde = build::ort(QStringLiteral("Kunde"));
        anfang = build::ort(QStringLiteral("Anfang"));
        besuch = build::zweck(QStringLiteral("Besuch"));
        dienst = build::kategorie(QStringLiteral("Dienst"));
        stammfahrt(kunde, buero, 12, besuch, dienst, 4);
        stammfahrt(buero, kunde, 12, besuch, dienst, 4);
        stammfahrt(anfang, buero, 30, besuch, dienst, 3);
    }

    // A vehicle whose last trip ended at the place with the odometer reading.
    int fahrzeugAm(int ort, int kmStand, int eingabeart = 0)
    {
        const int kfz = build::fahrzeug({.kennzeichen = QStringLiteral("S-TF 1"), .anfKm = kmStand - 10,
                                         .eingabeart = eingabeart, .kfzId = eingabeart == 1 ? 9 : -1,
                                         .start = QDateTime(QDate(2006, 1, 1), QTime(0, 0))});
        build::fahrt({.kfz = kfz, .ab = QDateTime(QDate(2006, 3, 1), QTime(8, 0)),
                      .an = QDateTime(QDate(2006, 3, 1), QTime(8, 30)), .kmAb = kmStand - 10, .kmAn = kmStand,
                      .start = ort, .ziel = ort});
        return kfz;
    }

    void uebernehmen(int zeile)
    {
        fenster.sgStammfahrten->setCurrentCell(zeile, 0);
        fenster.btUebernehmen->click();
    }

    int buero = 0, kunde = 0, anfang = 0, besuch = 0, dienst = 0;
};

TEST_F(Kurzwege, OhneStartortAlleStammfahrtenNachStartort)
{
    oeffnen(build::fahrzeug({.kennzeichen = QStringLiteral("N-EU 1")}));
    EXPECT_EQ(listenzeilen(fenster.sgStammfahrten),
              (QStringList{"Anfang|Büro|Besuch|A", "Büro|Kunde|Besuch|G", "Kunde|Büro|Besuch|G"}));
}

TEST_F(Kurzwege, NurStammfahrtenVomStartort)
{
    oeffnen(fahrzeugAm(buero, 15000));
    EXPECT_EQ(listenzeilen(fenster.sgStammfahrten), QStringList{"Büro|Kunde|Besuch|G"});
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 0);
}

TEST_F(Kurzwege, UebernehmenOhneKlickNimmtDieErsteZeile)
{
    oeffnen(build::fahrzeug({.kennzeichen = QStringLiteral("N-EU 1")}));
    EXPECT_EQ(fenster.sgStammfahrten->currentRow(), 0);
    fenster.btUebernehmen->click();
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 0);
    EXPECT_EQ(fenster.Cbnach->currentText(), QStringLiteral("Büro"));
    EXPECT_EQ(fenster.Ekm->text(), QStringLiteral("30"));
}

TEST_F(Kurzwege, StartortIstEgalWieGeschrieben)
{
    oeffnen(build::fahrzeug({.kennzeichen = QStringLiteral("N-EU 1")}));
    fenster.cbVon->setEditText(QStringLiteral("BÜRO"));
    fenster.StammfahrtenLesen();
    EXPECT_EQ(listenzeilen(fenster.sgStammfahrten), QStringList{"Büro|Kunde|Besuch|G"});
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 0);
}

TEST_F(Kurzwege, UnbekannterStartortPieptZweimal)
{
    oeffnen(fahrzeugAm(buero, 15000));
    fenster.cbVon->setEditText(QStringLiteral("Nirgendwo"));
    fenster.StammfahrtenLesen();
    EXPECT_EQ(fenster.sgStammfahrten->rowCount(), 0);
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 2);
}

TEST_F(Kurzwege, LeereListePieptBeimOeffnen)
{
    oeffnen(fahrzeugAm(anfang, 15000, 0), true);
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 0);
    SqlStatement("DELETE FROM T_STAMMFAHRTEN").exec();
    fenster.StammfahrtenLesen();
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 1);

    fenster.btUebernehmen->click(); // nothing to apply
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 2);
    EXPECT_EQ(ohneKuerzel(fenster.btSchliessenSpeichern->text()), QStringLiteral("Schließen"));
}

TEST_F(Kurzwege, UebernimmtStammfahrt)
{
    oeffnen(fahrzeugAm(buero, 15000));
    uebernehmen(0);
    EXPECT_EQ(fenster.cbVon->currentText(), QStringLiteral("Büro"));
    EXPECT_EQ(fenster.Ekm->text(), QStringLiteral("12"));
    EXPECT_EQ(fenster.EkmStand->text(), QStringLiteral("15012"));
    EXPECT_EQ(fenster.Cbnach->currentText(), QStringLiteral("Kunde"));
    EXPECT_EQ(fenster.Cbzweck->currentText(), QStringLiteral("Besuch"));
    EXPECT_EQ(fenster.CbKategorie->currentText(), QStringLiteral("Dienst"));
    EXPECT_EQ(fenster.RGFahrtart->itemIndex(), 3);
    EXPECT_EQ(ohneKuerzel(fenster.btSchliessenSpeichern->text()), QStringLiteral("Speichern"));
    EXPECT_EQ(fokus(), QStringLiteral("EAnkunft"));
}

TEST_F(Kurzwege, KartenfahrzeugBehaeltStartUndKilometer)
{
    oeffnen(fahrzeugAm(buero, 15000, 1), true);
    fenster.Ekm->setText(QStringLiteral("7"));
    uebernehmen(0);
    EXPECT_EQ(fenster.Ekm->text(), QStringLiteral("7"));
    EXPECT_TRUE(fenster.EkmStand->text().isEmpty());
    EXPECT_EQ(fenster.Cbnach->currentText(), QStringLiteral("Kunde"));
    EXPECT_EQ(fenster.Cbzweck->currentText(), QStringLiteral("Besuch"));
    EXPECT_EQ(fenster.CbKategorie->currentText(), QStringLiteral("Dienst"));
}

TEST_F(Kurzwege, ArbeitswegSetztZweckNurBeimWechsel)
{
    oeffnen(fahrzeugAm(anfang, 15000));
    uebernehmen(0); // kind "Arbeitsweg" while "geschäftlich" was selected
    EXPECT_EQ(fenster.Cbzweck->currentText(), QStringLiteral("Arbeitsweg"));

    fenster.Cbzweck->setEditText(QStringLiteral("Frühdienst"));
    uebernehmen(0); // "Arbeitsweg" already selected: the standard trip's purpose stays
    EXPECT_EQ(fenster.Cbzweck->currentText(), QStringLiteral("Besuch"));
}

TEST_F(Kurzwege, Rueckfahrt)
{
    oeffnen(fahrzeugMitLetzterFahrt());
    fenster.Kalender->setSelectedDate(QDate(2006, 5, 5));
    fenster.BtRueckfahrt->click();
    EXPECT_EQ(fenster.Cbnach->currentText(), QStringLiteral("Zuhause"));
    EXPECT_EQ(fenster.Ekm->text(), QStringLiteral("45"));
    EXPECT_EQ(fenster.EkmStand->text(), QStringLiteral("12390"));
    EXPECT_EQ(fenster.Cbzweck->currentText(), QStringLiteral("Besprechung"));
    EXPECT_EQ(fenster.CbKategorie->currentText(), QStringLiteral("Dienst"));
    EXPECT_EQ(fenster.CbFahrer->currentText(), QStringLiteral("Meier"));
    EXPECT_EQ(fenster.RGFahrtart->itemIndex(), 3);
    EXPECT_EQ(fenster.cbVon->currentText(), QStringLiteral("Büro"));
    EXPECT_EQ(fenster.Kalender->selectedDate(), QDate(2006, 3, 12));
    EXPECT_EQ(fokus(), QStringLiteral("EAbfahrt"));
}

TEST_F(Kurzwege, RueckfahrtOhneFahrtPieptNur)
{
    oeffnen(build::fahrzeug({.kennzeichen = QStringLiteral("N-EU 1"), .anfKm = 5000}));
    ASSERT_TRUE(fenster.BtRueckfahrt->isEnabled());
    fenster.BtRueckfahrt->click();
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 1);
    EXPECT_EQ(fenster.Cbnach->currentText(), QStringLiteral("keine Angabe"));
    EXPECT_TRUE(fenster.Ekm->text().isEmpty());
    EXPECT_TRUE(fenster.EkmStand->text().isEmpty());
}

TEST_F(Kurzwege, PrivatBietetNurZweiStartorte)
{
    oeffnen(fahrzeugAm(buero, 15000));
    ASSERT_EQ(fenster.cbVon->currentText(), QStringLiteral("Büro"));
    fenster.RGFahrtart->knopf(1)->click();
    EXPECT_EQ(eintraege(fenster.cbVon), (QStringList{"keine Angabe", "Büro"}));
    EXPECT_EQ(fenster.cbVon->currentText(), QStringLiteral("Büro"));
    EXPECT_TRUE(fenster.cbVon->isEnabled());

    fenster.cbVon->setEditText(QStringLiteral("keine Angabe"));
    fenster.RGFahrtart->knopf(3)->click();
    EXPECT_EQ(eintraege(fenster.cbVon), (QStringList{"Anfang", "Büro", "Kunde"}));
    EXPECT_EQ(fenster.cbVon->currentText(), QStringLiteral("Büro"));
    EXPECT_FALSE(fenster.cbVon->isEnabled());
}

TEST_F(Kurzwege, ArbeitswegUeberschreibtZweck)
{
    oeffnen(fahrzeugAm(buero, 15000));
    fenster.Cbzweck->setEditText(QStringLiteral("Besuch"));
    fenster.RGFahrtart->knopf(2)->click();
    EXPECT_EQ(fenster.Cbzweck->currentText(), QStringLiteral("Arbeitsweg"));
}
