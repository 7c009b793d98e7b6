#include "app/THauptform.h"
#include "app/Varno.h"
#include "audit/ui/TF_Korrektur.h"
#include "common/Clock.h"
#include "logbuch/Sitzung.h"
#include "db/SqlStatement.h"
#include "entry/ui/TF_Eingabe.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

namespace {

// Starts the program and chooses "Fahrten erfassen" in its main window.
TF_Eingabe* fahrtenErfassen(Varno& varno)
{
    varno.starten(false);
    THauptform* haupt = varno.hauptform();
    EXPECT_TRUE(QTest::qWaitForWindowActive(haupt));
    haupt->RBerfassen->click();
    haupt->BtOK->click();
    return varno.eingabe();
}

// A fresh logbook on 1 June 2006, 10:00, with the sample vehicle's trips before it.
class EingabeAusHauptfenster : public ::testing::Test {
protected:
    void SetUp() override { Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0))); }
    void TearDown() override { Clock::reset(); }

    // `stunde` o'clock on day `tag` of May 2006.
    static QDateTime imMai(int tag, int stunde) { return {QDate(2006, 5, tag), QTime(stunde, 0)}; }

    // The sample vehicle's last trip, on 31 May from 08:00 to 09:00; the odometers are counted from
    // its start.
    build::Fahrt letzteFahrt(int kmAb, int kmAn) const
    {
        return {.kfz = 1, .ab = imMai(31, 8), .an = imMai(31, 9), .kmAb = anfang + kmAb, .kmAn = anfang + kmAn};
    }

    TestDatabase db;
    // The sample vehicle's odometer at its start.
    const int anfang =
        SqlStatement::scalarInt(QStringLiteral("SELECT km_an FROM T_MIREL WHERE KFZ = 1 AND Art = 99"));
};

// The correction window runs its own loop: `oeffnen` opens it, and a timer looks in until it is
// open and does `bedienen` there. False when it never opened.
bool imKorrekturfenster(Varno& varno, const std::function<void()>& oeffnen,
                        const std::function<void(TF_Korrektur&)>& bedienen)
{
    QTimer warten;
    QObject::connect(&warten, &QTimer::timeout, [&] {
        TF_Korrektur* dialog = varno.korrektur();
        if (!dialog->isVisible())
            return;
        warten.stop();
        bedienen(*dialog);
    });
    warten.start(10);
    oeffnen();
    return QTest::qWaitFor([&warten] { return !warten.isActive(); });
}

// Saves the dialog; a refusal fails the test and closes it.
void speichernMussGelingen(TF_Korrektur& dialog)
{
    dialog.btSpeichern->click();
    if (dialog.isVisible()) {
        ADD_FAILURE() << "nicht gespeichert: " << ScriptedPrompts::get().texts().join(u'|').toStdString();
        dialog.reject();
    }
}

} // namespace

TEST_F(EingabeAusHauptfenster, FahrtenErfassenOeffnetEingabeUndSperrtFahrzeug)
{
    Varno varno{db.file()};
    THauptform* haupt = varno.hauptform();
    TF_Eingabe* eingabe = fahrtenErfassen(varno);
    ASSERT_TRUE(eingabe->isVisible());
    EXPECT_EQ(eingabe->windowTitle(), QStringLiteral("Fahrtenbuch für Musterfahrzeug"));
    EXPECT_FALSE(haupt->CbKFZ->isEnabled());
    EXPECT_TRUE(varno.sitzung().fahrtenerfassungLaeuft());
    // Like the vehicle and driver windows it stays above the program's other windows.
    EXPECT_TRUE(eingabe->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(eingabe->isWindow());

    eingabe->btSchliessenSpeichern->click(); // "Schließen"
    EXPECT_FALSE(eingabe->isVisible());
    EXPECT_TRUE(haupt->CbKFZ->isEnabled());
    EXPECT_FALSE(varno.sitzung().fahrtenerfassungLaeuft());
    haupt->hide();
}

namespace {

// What the window system sends when the user minimises a window or leaves its virtual desktop.
void systemEreignis(QWidget* fenster, QEvent::Type art)
{
    QEvent ereignis(art);
    QSpontaneKeyEvent::setSpontaneous(&ereignis);
    // sendEvent would clear the flag; the window system's path delivers it as it is.
    QCoreApplication::instance()->notify(fenster, &ereignis);
}

} // namespace

TEST_F(EingabeAusHauptfenster, MinimierteEingabeBehaeltIhrFahrzeug)
{
    // Without "start with the last vehicle" every activation of the main window selects the first.
    const int anderes = build::fahrzeug({.kennzeichen = "A-AA 1"});
    SqlStatement("UPDATE T_Optionen SET lKFZ = 0").exec();
    Varno varno{db.file()};
    varno.starten(false);
    THauptform* haupt = varno.hauptform();
    ASSERT_TRUE(QTest::qWaitForWindowActive(haupt));
    const int muster = haupt->CbKFZ->findText(QStringLiteral("Musterfahrzeug"));
    haupt->CbKFZ->setCurrentIndex(muster);
    emit haupt->CbKFZ->activated(muster);
    ASSERT_EQ(varno.sitzung().aktuellesFahrzeug(), 1);

    haupt->RBerfassen->click();
    haupt->BtOK->click();
    TF_Eingabe* eingabe = varno.eingabe();
    ASSERT_TRUE(eingabe->isVisible());

    systemEreignis(eingabe, QEvent::Hide);
    EXPECT_FALSE(haupt->CbKFZ->isEnabled());
    EXPECT_TRUE(varno.sitzung().fahrtenerfassungLaeuft());
    systemEreignis(haupt, QEvent::WindowActivate);
    EXPECT_EQ(varno.sitzung().aktuellesFahrzeug(), 1) << "nicht " << anderes;
    EXPECT_EQ(haupt->CbKFZ->currentText(), QStringLiteral("Musterfahrzeug"));
    systemEreignis(eingabe, QEvent::Show);
    EXPECT_EQ(eingabe->windowTitle(), QStringLiteral("Fahrtenbuch für Musterfahrzeug"));

    // Only a real close gives the vehicle free.
    eingabe->close();
    EXPECT_FALSE(varno.sitzung().fahrtenerfassungLaeuft());
    EXPECT_TRUE(haupt->CbKFZ->isEnabled());
    haupt->hide();
}

// A typo noticed right after saving is mended from the entry; what the user has
// typed for the next trip stays, and the next trip continues from the corrected reading.
TEST_F(EingabeAusHauptfenster, LetzteFahrtKorrigierenBehaeltDieGetipptenFelder)
{
    build::Fahrt letzte = letzteFahrt(0, 250);
    letzte.start = build::ort(QStringLiteral("Werk"));
    letzte.ziel = build::ort(QStringLiteral("Kunde Süd"));
    letzte.art = 2;
    build::fahrt(letzte);
    Varno varno{db.file()};
    THauptform* haupt = varno.hauptform();
    TF_Eingabe* eingabe = fahrtenErfassen(varno);
    ASSERT_TRUE(eingabe->isVisible());
    eingabe->Cbnach->setEditText(QStringLiteral("Kunde Nord"));
    ASSERT_TRUE(eingabe->BtLetzteKorrigieren->isEnabled());

    const bool geoeffnet = imKorrekturfenster(
        varno, [eingabe] { QTest::mouseClick(eingabe->BtLetzteKorrigieren, Qt::LeftButton); },
        [this](TF_Korrektur& dialog) {
            dialog.EkmStand->setText(QString::number(anfang + 25));
            dialog.EGrund->setText(QStringLiteral("Tippfehler"));
            speichernMussGelingen(dialog);
        });
    ASSERT_TRUE(geoeffnet) << "die Korrektur hat sich nicht geöffnet";
    EXPECT_EQ(eingabe->sgLFahrt->item(0, 4)->text(), QString::number(anfang + 25));
    EXPECT_EQ(eingabe->Cbnach->currentText(), QStringLiteral("Kunde Nord"));
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT km_an FROM T_MIREL WHERE Grund = 'Tippfehler'")),
              anfang + 25);
    eingabe->close();
    haupt->hide();
}

// A trip forgotten between two others is entered later from the entry: a refused try names the
// trip and the rule and stores nothing; the stored one carries its entry time, and the following
// trip begins where it ended.
TEST_F(EingabeAusHauptfenster, FahrtNachtragenZwischenZweiFahrten)
{
    build::fahrt({.kfz = 1, .ab = imMai(30, 8), .an = imMai(30, 9), .kmAb = anfang, .kmAn = anfang + 50});
    const int folgende = build::fahrt(letzteFahrt(50, 120));
    Varno varno{db.file()};
    TF_Eingabe* eingabe = fahrtenErfassen(varno);
    ASSERT_TRUE(eingabe->BtNachtragen->isEnabled());
    eingabe->Cbnach->setEditText(QStringLiteral("Kunde Nord"));
    const int zeilen = SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL"));

    QStringList abgelehnt;
    int zeilenNachAblehnung = 0;
    const bool geoeffnet = imKorrekturfenster(
        varno, [eingabe] { QTest::mouseClick(eingabe->BtNachtragen, Qt::LeftButton); },
        [&](TF_Korrektur& fenster) {
            TF_Korrektur* dialog = &fenster;
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Fahrt nachtragen"));
            EXPECT_FALSE(dialog->CbGrund->isVisible());
            dialog->Kalender->setSelectedDate(QDate(2006, 5, 31));
            dialog->EAbfahrt->setText(QStringLiteral("08:30"));
            dialog->EAnkunft->setText(QStringLiteral("08:45"));
            dialog->EkmAbfahrt->setText(QString::number(anfang + 50));
            dialog->EkmStand->setText(QString::number(anfang + 80));
            dialog->Ekm->setText(QStringLiteral("30"));
            dialog->cbVon->setEditText(QStringLiteral("Werk"));
            dialog->Cbnach->setEditText(QStringLiteral("Kunde"));
            dialog->Cbzweck->setEditText(QStringLiteral("Besuch"));
            dialog->CbKategorie->setEditText(QStringLiteral("Standard"));
            dialog->CbFahrer->setEditText(QStringLiteral("keine Angabe"));
            dialog->btSpeichern->click();
            abgelehnt = ScriptedPrompts::get().texts();
            zeilenNachAblehnung = SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL"));
            // The day before, in the afternoon: between the two trips.
            dialog->Kalender->setSelectedDate(QDate(2006, 5, 30));
            dialog->EAbfahrt->setText(QStringLiteral("14:00"));
            dialog->EAnkunft->setText(QStringLiteral("15:00"));
            ScriptedPrompts::get().answer(PromptAnswer::Yes);
            speichernMussGelingen(*dialog);
        });
    ASSERT_TRUE(geoeffnet) << "das Nachtragen hat sich nicht geöffnet";

    EXPECT_EQ(abgelehnt, QStringList{QStringLiteral("Nachgetragene Fahrt vom 31.05.2006 08:30, Musterfahrzeug: sie "
                                                    "beginnt vor der Ankunft der Fahrt davor (31.05.2006 09:00).")});
    EXPECT_EQ(zeilenNachAblehnung, zeilen);
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL WHERE KFZ = 1 AND AbDat = "
                                                     "'2006-05-30 14:00:00' AND Erfasst = '2006-06-01 10:00:00'")),
              1);
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT km_ab FROM T_MIREL WHERE ErsetztID = ? AND Grund = "
                                                     "'Fahrt vom 30.05.2006 14:00 nachgetragen'"),
                                      {folgende}),
              anfang + 80);
    // The entry keeps what was typed and still continues from the last trip.
    EXPECT_EQ(eingabe->Cbnach->currentText(), QStringLiteral("Kunde Nord"));
    EXPECT_EQ(eingabe->sgLFahrt->item(0, 4)->text(), QString::number(anfang + 120));
    eingabe->close();
    varno.hauptform()->hide();
}

// Alt+L, the mnemonic of "Letzte Fahrt korrigieren …", opens the correction of the last trip.
TEST_F(EingabeAusHauptfenster, AltLOeffnetDieKorrekturDerLetztenFahrt)
{
    build::fahrt(letzteFahrt(0, 250));
    Varno varno{db.file()};
    TF_Eingabe* eingabe = fahrtenErfassen(varno);
    // Without a window manager the main window keeps the focus; the entry is made the active window.
    eingabe->activateWindow();
    QApplication::setActiveWindow(eingabe);
    ASSERT_TRUE(QTest::qWaitForWindowActive(eingabe));

    QString kmStand;
    // The button answers its letter as a click shown on screen, that is a moment later.
    EXPECT_TRUE(imKorrekturfenster(
        varno, [eingabe] { QTest::keyClick(eingabe->windowHandle(), Qt::Key_L, Qt::AltModifier); },
        [&kmStand](TF_Korrektur& dialog) {
            kmStand = dialog.EkmStand->text();
            dialog.reject();
        }))
        << "Alt+L hat die Korrektur nicht geöffnet";
    EXPECT_EQ(kmStand, QString::number(anfang + 250));
    eingabe->close();
    varno.hauptform()->hide();
}
