#include "EingabeFenster.h"

#include "db/DatabaseError.h"
#include "db/SqlStatement.h"
#include "entry/ui/Radiogruppe.h"
#include "entry/ui/Rohfahrtliste.h"
#include "support/ScriptedPrompts.h"
#include "support/ui/Schriften.h"
#include "support/ui/Tastenkuerzel.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

namespace {

const QDate tag(2006, 3, 1);

QDateTime um(int stunde, int minute, int sekunde = 0)
{
    return QDateTime(tag, QTime(stunde, minute, sekunde));
}

bool bearbeitet(int rohfahrt)
{
    return SqlStatement::scalarInt("SELECT bearbeitet FROM T_basis WHERE ID = ?", {rohfahrt}) != 0;
}

} // namespace

class Kartenfahrt : public EingabeFenster {
protected:
    int rohfahrt(build::Rohfahrt r)
    {
        r.kfzSchluessel = kartenSchluessel;
        return build::rohfahrt(r);
    }

    void waehle(int zeile)
    {
        fenster.StringGrid1->setCurrentIndex(fenster.rohfahrten()->index(zeile, 1));
        fenster.StringGrid1Click();
    }

    void klicke(int zeile)
    {
        QTableView* grid = fenster.StringGrid1;
        const QRect zelle = grid->visualRect(fenster.rohfahrten()->index(zeile, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, zelle.center());
    }

    // Two raw trips one after the other, to Kunde and on to Lager.
    void zweiRohfahrten()
    {
        erste = rohfahrt({.startzeit = um(8, 0), .startkm = 12000, .zielzeit = um(9, 0), .zielkm = 12045,
                          .art = QStringLiteral("D"), .ort = QStringLiteral("Kunde"), .grund = QStringLiteral("Besuch")});
        zweite = rohfahrt({.startzeit = um(10, 0), .startkm = 12045, .zielzeit = um(10, 30), .zielkm = 12060,
                           .art = QStringLiteral("D"), .ort = QStringLiteral("Lager"),
                           .grund = QStringLiteral("Lieferung")});
    }

    // A trip typed into the fields, 20 km to Kunde, and saved.
    void vonHandSpeichern()
    {
        zeitTippen(fenster.EAbfahrt, QStringLiteral("0800"));
        zeitTippen(fenster.EAnkunft, QStringLiteral("0830"));
        fenster.Cbnach->setEditText(QStringLiteral("Kunde"));
        fenster.Cbzweck->setEditText(QStringLiteral("Besuch"));
        fenster.EkmStand->setText(QStringLiteral("12020"));
        fenster.btSchliessenSpeichern->click();
    }

    int kfz = kartenfahrzeug();
    int erste = 0;
    int zweite = 0;
};

TEST_F(Kartenfahrt, ListetNurUnbearbeiteteFahrtenDesFahrzeugs)
{
    const int meier = build::fahrer(QStringLiteral("Meier"));
    SqlStatement("INSERT INTO T_CF (CF, Fahrer) VALUES ('4711', ?)").bind(meier).exec();
    rohfahrt({.cfid = QStringLiteral("4711"), .startzeit = um(8, 15, 30), .startkm = 12000, .zielzeit = um(9, 0, 5),
              .zielkm = 12045, .art = QStringLiteral("D"), .ort = QStringLiteral("Kunde")});
    rohfahrt({.cfid = QStringLiteral("4711"), .startzeit = um(10, 0), .startkm = 12045, .zielzeit = um(10, 30),
              .zielkm = 12060, .cf = 1});
    rohfahrt({.startzeit = um(11, 0), .bearbeitet = true});
    rohfahrt({.startzeit = um(12, 0), .art = QStringLiteral("M")});
    build::rohfahrt({.startzeit = um(13, 0), .kfzSchluessel = QStringLiteral("8 - K-CF 8")});
    oeffnen(kfz);

    const Rohfahrtliste& liste = *fenster.rohfahrten();
    ASSERT_EQ(liste.rowCount(), 2);
    QStringList erste;
    for (int spalte = 0; spalte < liste.columnCount(); ++spalte)
        erste << liste.text(0, spalte);
    // The raw-trip list keeps the seconds: this window's short times are its own.
    EXPECT_EQ(erste, (QStringList{"01.03.2006 08:15:30", "12000", "01.03.2006 09:00:05", "12045", "Meier", "OK", "D",
                                  "Kunde", "", ""}));
    EXPECT_EQ(liste.text(1, Rohfahrtliste::Fahrer), QStringLiteral("unbekannt"));
    EXPECT_EQ(liste.text(1, Rohfahrtliste::CF), QStringLiteral("ohne"));
    EXPECT_EQ(liste.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Startzeit"));
    EXPECT_FALSE(fenster.StringGrid1->isHidden());
    EXPECT_EQ(fenster.minimumSize(), QSize(800, 600));
    EXPECT_FALSE(fenster.BtRueckfahrt->isEnabled());
    EXPECT_EQ(fokus(), QStringLiteral("EAnkunft"));
    EXPECT_EQ(ohneKuerzel(fenster.btSchliessenSpeichern->text()), QStringLiteral("Schließen"));
}

TEST_F(Kartenfahrt, OhneRohfahrtenMeldung)
{
    oeffnen(kfz, true);
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QStringLiteral("Keine Daten zum Fahrzeug gefunden")});
    EXPECT_EQ(fenster.rohfahrten()->rowCount(), 0);
    fenster.StringGrid1Click(); // nothing to copy
    EXPECT_EQ(ohneKuerzel(fenster.btSchliessenSpeichern->text()), QStringLiteral("Schließen"));
}

TEST_F(Kartenfahrt, UebernimmtRohfahrtInDieFelder)
{
    rohfahrt({.startzeit = um(8, 15, 30), .startkm = 12000, .zielzeit = um(9, 0), .zielkm = 12045, .cf = 1,
              .art = QStringLiteral("D"), .ort = QStringLiteral("Kunde")});
    oeffnen(kfz);
    waehle(0);
    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty());
    EXPECT_EQ(fenster.Kalender->selectedDate(), tag);
    EXPECT_FALSE(fenster.Kalender->isEnabled());
    EXPECT_EQ(TF_Eingabe::zeittext(fenster.EAbfahrt), QStringLiteral("08:15"));
    EXPECT_FALSE(fenster.EAbfahrt->isEnabled());
    EXPECT_EQ(TF_Eingabe::zeittext(fenster.EAnkunft), QStringLiteral("09:00"));
    EXPECT_FALSE(fenster.EAnkunft->isEnabled());
    EXPECT_EQ(fenster.EkmStand->text(), QStringLiteral("12045"));
    EXPECT_FALSE(fenster.EkmStand->isEnabled());
    EXPECT_EQ(fenster.Ekm->text(), QStringLiteral("45"));
    EXPECT_FALSE(fenster.Ekm->isEnabled());
    EXPECT_EQ(fenster.Cbnach->currentText(), QStringLiteral("Kunde"));
    EXPECT_EQ(fenster.Cbzweck->currentText(), QStringLiteral("keine Angabe"));
    EXPECT_EQ(fenster.CbKategorie->currentText(), QStringLiteral("Standard"));
    EXPECT_EQ(fenster.CbFahrer->currentText(), QStringLiteral("keine Angabe"));
    EXPECT_TRUE(fenster.CbFahrer->isEnabled());
    EXPECT_EQ(fenster.RGFahrtart->itemIndex(), 3);
    // The start record has no destination to start from.
    EXPECT_EQ(fenster.cbVon->currentText(), QStringLiteral("keine Angabe"));
    EXPECT_TRUE(fenster.cbVon->isEnabled());
    EXPECT_EQ(ohneKuerzel(fenster.btSchliessenSpeichern->text()), QStringLiteral("Speichern"));
}

TEST_F(Kartenfahrt, SpeichertUndMarkiertNurDieseRohfahrt)
{
    const int eigene = rohfahrt({.startzeit = um(8, 15, 30), .startkm = 12000, .zielzeit = um(9, 0), .zielkm = 12045,
                                 .art = QStringLiteral("D"), .ort = QStringLiteral("Kunde"),
                                 .grund = QStringLiteral("Besuch")});
    const int naechste = rohfahrt({.startzeit = um(10, 0), .startkm = 12045, .zielzeit = um(10, 30), .zielkm = 12060});
    // Another card vehicle that started at the very same second.
    const int fremde = build::rohfahrt({.startzeit = um(8, 15, 30), .kfzSchluessel = QStringLiteral("8 - K-CF 8")});
    oeffnen(kfz);
    waehle(0);
    fenster.btSchliessenSpeichern->click();

    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty());
    const GespeicherteFahrt fahrt = letzteGespeicherteFahrt();
    EXPECT_EQ(fahrt.abDat, QStringLiteral("2006-03-01 08:15:00"));
    EXPECT_EQ(fahrt.anDat, QStringLiteral("2006-03-01 09:00:00"));
    EXPECT_EQ(fahrt.kmAb, 12000);
    EXPECT_EQ(fahrt.kmAn, 12045);
    EXPECT_EQ(fahrt.start, QStringLiteral("keine Angabe"));
    EXPECT_EQ(fahrt.ziel, QStringLiteral("Kunde"));
    EXPECT_EQ(fahrt.zweck, QStringLiteral("Besuch"));
    EXPECT_EQ(fahrt.art, 4);
    EXPECT_TRUE(bearbeitet(eigene));
    EXPECT_FALSE(bearbeitet(fremde));
    EXPECT_FALSE(bearbeitet(naechste));

    // Reloaded: the saved raw trip has left the list, the next one starts where this one ended.
    ASSERT_EQ(fenster.rohfahrten()->rowCount(), 1);
    EXPECT_EQ(fenster.rohfahrten()->text(0, Rohfahrtliste::Startkm), QStringLiteral("12045"));
    EXPECT_TRUE(fenster.BtRueckfahrt->isEnabled()); // the reload enables it, as it always has
    waehle(0);
    EXPECT_EQ(fenster.cbVon->currentText(), QStringLiteral("Kunde"));
    EXPECT_FALSE(fenster.cbVon->isEnabled());
}

TEST_F(Kartenfahrt, PfeiltasteUebernimmtDieNeueZeileUndSpeichertSie)
{
    zweiRohfahrten();
    oeffnen(kfz);
    klicke(0);
    EXPECT_EQ(fenster.Cbnach->currentText(), QStringLiteral("Kunde"));
    QTest::keyClick(fenster.StringGrid1, Qt::Key_Down);
    EXPECT_EQ(fenster.Cbnach->currentText(), QStringLiteral("Lager"));
    EXPECT_EQ(fenster.EkmStand->text(), QStringLiteral("12060"));
    EXPECT_EQ(TF_Eingabe::zeittext(fenster.EAbfahrt), QStringLiteral("10:00"));

    fenster.btSchliessenSpeichern->click();
    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty());
    const GespeicherteFahrt fahrt = letzteGespeicherteFahrt();
    EXPECT_EQ((QStringList{fahrt.ziel, fahrt.zweck}), (QStringList{"Lager", "Lieferung"}));
    EXPECT_EQ(std::pair(fahrt.kmAb, fahrt.kmAn), std::pair(12045, 12060));
    EXPECT_TRUE(bearbeitet(zweite));
    EXPECT_FALSE(bearbeitet(erste));
}

TEST_F(Kartenfahrt, NurEineUebernommeneRohfahrtWirdBearbeitet)
{
    zweiRohfahrten();
    oeffnen(kfz);
    // Nothing copied: the trip typed by hand starts at the last known reading and leaves the list alone.
    vonHandSpeichern();

    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty());
    EXPECT_EQ(letzteGespeicherteFahrt().kmAb, 12000);
    EXPECT_FALSE(bearbeitet(erste));
    EXPECT_FALSE(bearbeitet(zweite));
    EXPECT_EQ(fenster.rohfahrten()->rowCount(), 2);
}

TEST_F(Kartenfahrt, VerwerfenVergisstDieUebernommeneRohfahrt)
{
    zweiRohfahrten();
    oeffnen(kfz);
    klicke(1);
    fenster.Btverwerfen->click();
    vonHandSpeichern();

    EXPECT_EQ(letzteGespeicherteFahrt().kmAb, 12000);
    EXPECT_FALSE(bearbeitet(zweite));
}

TEST_F(Kartenfahrt, FehlschlagLaesstRohfahrtUnbearbeitet)
{
    const int eigene = rohfahrt({.startzeit = um(8, 15), .startkm = 12000, .zielzeit = um(9, 0), .zielkm = 12045,
                                 .art = QStringLiteral("D"), .ort = QStringLiteral("Kunde"),
                                 .grund = QStringLiteral("Besuch")});
    oeffnen(kfz);
    waehle(0);
    SqlStatement("CREATE TRIGGER kaputt BEFORE INSERT ON T_STAMMFAHRTEN BEGIN SELECT RAISE(ABORT, 'Platte voll'); END")
        .exec();
    fenster.cbxStammfahrt->setChecked(true);
    const int vorher = zeilen(QStringLiteral("T_MIREL"));
    EXPECT_THROW(fenster.btSchliessenSpeichernClick(), DatabaseError);
    EXPECT_EQ(zeilen(QStringLiteral("T_MIREL")), vorher);
    EXPECT_FALSE(bearbeitet(eigene));
}

TEST_F(Kartenfahrt, ArbeitswegErsetztZweckNurBeiWechsel)
{
    rohfahrt({.startzeit = um(7, 0), .startkm = 12000, .zielzeit = um(7, 30), .zielkm = 12020,
              .art = QStringLiteral("A"), .grund = QStringLiteral("Frühschicht")});
    rohfahrt({.startzeit = um(16, 0), .startkm = 12020, .zielzeit = um(16, 30), .zielkm = 12040,
              .art = QStringLiteral("A"), .grund = QStringLiteral("Spätschicht")});
    oeffnen(kfz);
    waehle(0);
    EXPECT_EQ(fenster.RGFahrtart->itemIndex(), 2);
    EXPECT_EQ(fenster.Cbzweck->currentText(), QStringLiteral("Arbeitsweg"));
    waehle(1);
    EXPECT_EQ(fenster.Cbzweck->currentText(), QStringLiteral("Spätschicht"));
}

struct AnschlussFall {
    const char* name;
    const char* letztesZiel;
    int startkm;
    const char* von;
    bool vonFrei;
};

class Anschluss : public Kartenfahrt, public ::testing::WithParamInterface<AnschlussFall> {};

TEST_P(Anschluss, StartortNurBeiGleichemKilometerstand)
{
    const auto& fall = GetParam();
    const int ziel = build::ort(QString::fromUtf8(fall.letztesZiel));
    build::fahrt({.kfz = kfz, .ab = QDateTime(QDate(2006, 2, 1), QTime(8, 0)), .an = QDateTime(QDate(2006, 2, 1), QTime(9, 0)),
                  .kmAb = 11950, .kmAn = 12000, .start = ziel, .ziel = ziel});
    rohfahrt({.startzeit = um(8, 0), .startkm = fall.startkm, .zielzeit = um(9, 0), .zielkm = fall.startkm + 10});
    oeffnen(kfz);
    waehle(0);
    EXPECT_EQ(fenster.cbVon->currentText(), QString::fromUtf8(fall.von));
    EXPECT_EQ(fenster.cbVon->isEnabled(), fall.vonFrei);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Anschluss,
                         ::testing::Values(AnschlussFall{"Gleich", "Büro", 12000, "Büro", false},
                                           AnschlussFall{"Ungleich", "Büro", 12010, "keine Angabe", true},
                                           AnschlussFall{"GleichOhneZiel", "keine Angabe", 12000, "keine Angabe", false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DatumFall {
    QDateTime start;
    bool meldung;
};

class FruehesDatum : public Kartenfahrt, public ::testing::WithParamInterface<DatumFall> {};

TEST_P(FruehesDatum, VorDemJahr2003MussDieZeitEingegebenWerden)
{
    rohfahrt({.startzeit = GetParam().start, .startkm = 12000, .zielzeit = GetParam().start.addSecs(600),
              .zielkm = 12010});
    oeffnen(kfz);
    waehle(0);
    const QStringList texte = ScriptedPrompts::get().texts();
    if (GetParam().meldung) {
        EXPECT_EQ(texte, QStringList{QStringLiteral("Das Datum liegt vor dem 01.01.2003 und wird automatisch auf den "
                                                    "01.01.2003 gesetzt. Bitte geben Sie die tatsächliche "
                                                    "Abfahrtszeit ein.")});
        EXPECT_EQ(TF_Eingabe::zeittext(fenster.EAbfahrt), QStringLiteral("  :  "));
    } else {
        EXPECT_TRUE(texte.isEmpty());
        EXPECT_EQ(TF_Eingabe::zeittext(fenster.EAbfahrt), QStringLiteral("23:55"));
    }
    EXPECT_EQ(fenster.Kalender->selectedDate(), QDate(2003, 1, 1));
    EXPECT_EQ(fenster.EAbfahrt->isEnabled(), GetParam().meldung);
    EXPECT_EQ(fenster.Kalender->isEnabled(), GetParam().meldung);
}

INSTANTIATE_TEST_SUITE_P(Faelle, FruehesDatum,
                         ::testing::Values(DatumFall{QDateTime(QDate(2002, 12, 31), QTime(23, 55)), true},
                                           DatumFall{QDateTime(QDate(2003, 1, 1), QTime(23, 55)), false}));

TEST_F(Kartenfahrt, OhneAnkunftskilometerWarnung)
{
    rohfahrt({.startzeit = um(8, 0), .startkm = 12000, .zielkm = 0});
    oeffnen(kfz);
    waehle(0);
    ASSERT_EQ(ScriptedPrompts::get().shown().size(), 1u);
    EXPECT_EQ(ScriptedPrompts::get().shown().front().title, QStringLiteral("Warnung"));
    EXPECT_TRUE(ScriptedPrompts::get().shown().front().text.startsWith(
        QStringLiteral("Während der Fahrt wurde das Anschlusskabel entfernt.")));
    EXPECT_EQ(fenster.EkmStand->text(), QStringLiteral("12000"));
    EXPECT_TRUE(fenster.EkmStand->isEnabled());
    EXPECT_TRUE(fenster.Ekm->isEnabled());
    EXPECT_TRUE(fenster.EAnkunft->isEnabled());

    // The arrival must now be typed.
    ScriptedPrompts::get().clear();
    fenster.btSchliessenSpeichern->click();
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QStringLiteral("Sie müssen die Ankunftszeit ausfüllen.")});
}

TEST_F(Kartenfahrt, OeffnetHochGenugFuerAchtRohfahrtenUndImBildschirm)
{
    for (int i = 0; i < 38; ++i)
        rohfahrt({.startzeit = um(6, i), .startkm = 12000 + i, .zielzeit = um(6, i, 30), .zielkm = 12001 + i,
                  .art = QStringLiteral("D"), .ort = QStringLiteral("Kunde"), .grund = QStringLiteral("Besuch")});
    oeffnen(kfz);
    ASSERT_NE(fenster.screen(), nullptr);
    const QRect verfuegbar = fenster.screen()->availableGeometry();
    const QRect lage = fenster.frameGeometry();
    EXPECT_TRUE(verfuegbar.contains(lage) || lage.size().width() > verfuegbar.width())
        << lage.x() << "," << lage.y() << " " << lage.width() << "x" << lage.height();
    EXPECT_TRUE(verfuegbar.contains(lage.topLeft()));
    const QTableView* grid = fenster.StringGrid1;
    const int ganzSichtbar = grid->viewport()->height() / grid->rowHeight(0);
    // A screen too low for the described minimum height leaves the window as tall as the screen allows.
    if (fenster.frameGeometry().height() < verfuegbar.height())
        EXPECT_GE(ganzSichtbar, 8) << "window " << fenster.height() << ", grid " << grid->height();
    else
        EXPECT_GE(fenster.height(), fenster.minimumHeight());
}

TEST_F(Kartenfahrt, RasterWaechstMitDemFenster)
{
    rohfahrt({.startzeit = um(8, 0), .startkm = 12000, .zielzeit = um(9, 0), .zielkm = 12045,
              .art = QStringLiteral("D"), .ort = QStringLiteral("Kunde"), .grund = QStringLiteral("Besuch")});
    oeffnen(kfz);
    const int vorher = fenster.StringGrid1->height();
    fenster.resize(fenster.width(), fenster.height() + 120);
    fenster.layout()->activate();
    EXPECT_EQ(fenster.StringGrid1->height(), vorher + 120);
}

// The desktop may size its font in pixels; the raw trips still show a size smaller than the fields.
TEST_F(Kartenfahrt, RohfahrtenStehenInKleinererSchrift)
{
    QFont pixelschrift = fenster.font();
    pixelschrift.setPixelSize(20);
    const Schriftwahl schrift(pixelschrift);
    TF_Eingabe neu{db.sitzung()};
    EXPECT_LT(QFontInfo(neu.StringGrid1->font()).pixelSize(), QFontInfo(neu.font()).pixelSize());
}
