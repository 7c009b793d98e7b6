#include "EingabeFenster.h"

#include "entry/ui/Radiogruppe.h"
#include "support/ScriptedPrompts.h"
#include "support/ui/Tastenkuerzel.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {
QStringList letzteFahrtZeile(const TF_Eingabe& fenster)
{
    QStringList texte;
    for (int spalte = 0; spalte < fenster.sgLFahrt->columnCount(); ++spalte)
        texte << fenster.sgLFahrt->item(0, spalte)->text();
    return texte;
}
} // namespace

TEST_F(EingabeFenster, ZeigtLetzteFahrtUndSetztFelderZurueck)
{
    oeffnen(fahrzeugMitLetzterFahrt());
    EXPECT_EQ(fenster.windowTitle(), QStringLiteral("Fahrtenbuch für B-VA 1, Golf"));
    EXPECT_EQ(letzteFahrtZeile(fenster), (QStringList{QStringLiteral("12.03 08:00"), QStringLiteral("Zuhause"),
                                                      QStringLiteral("Büro"), QStringLiteral("Besprechung"),
                                                      QStringLiteral("12345"), QStringLiteral("G")}));
    EXPECT_EQ(fenster.cbVon->currentText(), QStringLiteral("Büro"));
    EXPECT_FALSE(fenster.cbVon->isEnabled());
    EXPECT_EQ(fenster.Cbnach->currentText(), QStringLiteral("keine Angabe"));
    EXPECT_EQ(fenster.Cbzweck->currentText(), QStringLiteral("keine Angabe"));
    EXPECT_EQ(fenster.CbKategorie->currentText(), QStringLiteral("Standard"));
    EXPECT_EQ(fenster.CbFahrer->currentText(), QStringLiteral("keine Angabe"));
    EXPECT_FALSE(fenster.CbFahrer->isEnabled());
    EXPECT_EQ(fenster.RGFahrtart->itemIndex(), 3);
    EXPECT_EQ(fenster.Kalender->selectedDate(), QDate(2006, 3, 12));
    EXPECT_EQ(TF_Eingabe::zeittext(fenster.EAbfahrt), QStringLiteral("  :  "));
    EXPECT_EQ(ohneKuerzel(fenster.btSchliessenSpeichern->text()), QStringLiteral("Schließen"));
    EXPECT_TRUE(fenster.btAbbrechen->isHidden());
    EXPECT_TRUE(fenster.BtRueckfahrt->isEnabled());
    EXPECT_TRUE(fenster.StringGrid1->isHidden());
    EXPECT_EQ(fenster.minimumSize(), QSize(800, 505));
    EXPECT_EQ(fokus(), QStringLiteral("EAbfahrt"));
    EXPECT_EQ(fenster.Cbnach->count(), 2);
}

TEST_F(EingabeFenster, NurStartdatensatzZeigtNurKilometer)
{
    const int kfz = build::fahrzeug({.kennzeichen = QStringLiteral("N-EU 1"), .anfKm = 5000,
                                     .start = QDateTime(QDate(2002, 6, 1), QTime(0, 0))});
    oeffnen(kfz);
    EXPECT_EQ(letzteFahrtZeile(fenster), (QStringList{{}, {}, {}, {}, QStringLiteral("5000"), {}}));
    EXPECT_EQ(fenster.cbVon->currentText(), QStringLiteral("keine Angabe"));
    EXPECT_TRUE(fenster.cbVon->isEnabled());
    // Reload disables the return trip, showing the window enables it again for a manual vehicle.
    EXPECT_TRUE(fenster.BtRueckfahrt->isEnabled());
    // The start lies before 2003, the calendar does not.
    EXPECT_EQ(fenster.Kalender->selectedDate(), QDate(2003, 1, 1));
}

TEST_F(EingabeFenster, AenderungZeigtSpeichernUndAbbrechen)
{
    oeffnen(fahrzeugMitLetzterFahrt());
    fenster.Ekm->setText(QStringLiteral("5"));
    EXPECT_EQ(ohneKuerzel(fenster.btSchliessenSpeichern->text()), QStringLiteral("Speichern"));
    EXPECT_FALSE(fenster.btAbbrechen->isHidden());

    fenster.cbxStammfahrt->setChecked(true);
    fenster.Btverwerfen->click();
    EXPECT_EQ(ohneKuerzel(fenster.btSchliessenSpeichern->text()), QStringLiteral("Schließen"));
    EXPECT_TRUE(fenster.btAbbrechen->isHidden());
    EXPECT_TRUE(fenster.Ekm->text().isEmpty());
    EXPECT_FALSE(fenster.cbxStammfahrt->isChecked());

    tippen(fenster.Cbnach, QStringLiteral("X"));
    EXPECT_FALSE(fenster.btAbbrechen->isHidden());
    fenster.btAbbrechen->click();
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_EQ(zeilen(QStringLiteral("T_MIREL")), 3);
}

TEST_F(EingabeFenster, SchliessenOhneAenderungSchliesstNur)
{
    oeffnen(fahrzeugMitLetzterFahrt());
    fenster.btSchliessenSpeichern->click();
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_EQ(zeilen(QStringLiteral("T_MIREL")), 3);
}

TEST_F(EingabeFenster, LetztesZielKeineAngabeLaesstVonOffen)
{
    const int kfz = fahrzeugMitLetzterFahrt();
    const int keine = build::ort(QStringLiteral("keine Angabe"));
    build::fahrt({.kfz = kfz, .ab = QDateTime(QDate(2006, 3, 13), QTime(9, 0)),
                  .an = QDateTime(QDate(2006, 3, 13), QTime(9, 30)), .kmAb = 12345, .kmAn = 12360, .start = keine,
                  .ziel = keine});
    oeffnen(kfz);
    EXPECT_EQ(fenster.cbVon->currentText(), QStringLiteral("keine Angabe"));
    EXPECT_TRUE(fenster.cbVon->isEnabled());
}
