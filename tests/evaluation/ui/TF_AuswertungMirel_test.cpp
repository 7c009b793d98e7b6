#include "Auswertungsfenster.h"

#include "common/Clock.h"
#include "db/SqlStatement.h"
#include "evaluation/ui/TF_AuswertungMirel.h"
#include "evaluation/ui/TF_Details.h"
#include "support/ScriptedPrompts.h"
#include "support/ui/Fensterhilfen.h"

#include <QAbstractItemModel>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

int stammfahrten()
{
    return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_STAMMFAHRTEN"));
}

// "Als Stammfahrt" on the selected trip, answering its question with `antwort`.
void alsStammfahrt(TF_AuswertungMirel& fenster, PromptAnswer antwort)
{
    ScriptedPrompts::get().answer(antwort);
    fenster.btStammfahrtClick();
}

} // namespace

TEST_F(AuswertungTest, OeffnenWaehltDasAktuelleFahrzeugUndSonstAlle)
{
    oeffnen();
    EXPECT_EQ(fenster.cbFahrzeug->currentText(), QStringLiteral("B-XY 1, Golf"));
    for (QComboBox* liste : {fenster.cbVon, fenster.cbNach, fenster.cbFahrer, fenster.cbZweck, fenster.cbKategorie,
                             fenster.cbArt, fenster.cbBemerkung})
        EXPECT_EQ(liste->currentText(), QStringLiteral("alle")) << liste->objectName().toStdString();
    EXPECT_EQ(fenster.cbBemerkung->count(), 3);
    // The start record kind is no choice.
    EXPECT_EQ(fenster.cbArt->count(), 5);
    EXPECT_EQ(fenster.height(), 200);
    EXPECT_FALSE(fenster.btDetails->isVisible());
    EXPECT_FALSE(fenster.sbFahrten->isVisible());
}

TEST_F(AuswertungTest, AnzeigenListetNurDasAktuelleFahrzeugBisHeuteAbend)
{
    build::fahrt(d.fahrt(am(2001, 12, 31, 8), am(2001, 12, 31, 9), 900, 950));
    build::fahrt(d.fahrt(am(2002, 1, 1, 0), am(2002, 1, 2, 9), 950, 1000));
    build::fahrt(d.fahrt(am(2006, 6, 1, 22), am(2006, 6, 1, 23, 59), 1000, 1010));
    build::fahrt(d.fahrt(am(2006, 6, 1, 23), am(2006, 6, 2, 0, 30), 1010, 1020));
    auto passat = d.fahrt(am(2006, 5, 1, 8), am(2006, 5, 1, 9), 0, 5);
    passat.kfz = d.passat;
    build::fahrt(passat);
    oeffnen();
    anzeigen(fenster.RBFahrten);

    EXPECT_EQ(gelisteteAbfahrten(), (QStringList{"01.01.2002 00:00:00", "01.06.2006 22:00:00"}));
    EXPECT_EQ(fenster.sbAnzahl->text(), QStringLiteral("Anzahl Fahrten: 2"));
    EXPECT_EQ(fenster.sbKilometer->text(), QStringLiteral("Kilometer: 60"));
    EXPECT_EQ(fenster.fahrtenliste().anzahl(), 2u);
    EXPECT_EQ(fenster.height(), 556);
    // The trip view is 988 wide, 800 on a screen of at most 800 pixels.
    EXPECT_EQ(fenster.width(), fenster.screen()->geometry().width() <= 800 ? 800 : 988);
    EXPECT_TRUE(fenster.btDetails->isEnabled());
    EXPECT_TRUE(fenster.btStammfahrt->isEnabled());
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(fenster.sgFahrten->model()->headerData(i, Qt::Horizontal).toString(), Fahrtenliste::kopf().at(i));
    SqlStatement s("SELECT AbDat, AnDat, KFZ, Fahrer, km_an FROM T_FILTER WHERE ID = 1");
    s.exec();
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.text("AbDat"), QStringLiteral("1.1.2002"));
    EXPECT_EQ(s.text("AnDat"), QStringLiteral("1.6.2006"));
    EXPECT_EQ(s.text("KFZ"), QStringLiteral("B-XY 1, Golf"));
    EXPECT_EQ(s.text("Fahrer"), QStringLiteral("alle"));
    EXPECT_EQ(s.text("km_an"), QStringLiteral("3000000"));
}

TEST_F(AuswertungTest, AusklappenRueckt178NachObenUndSchliessenZurueck)
{
    oeffnen();
    fenster.move(100, 300);
    anzeigen(fenster.RBFahrten);
    EXPECT_EQ(fenster.y(), 122);
    anzeigen(fenster.RBFahrten);
    EXPECT_EQ(fenster.y(), 122);
    fenster.btSchliessenClick();
    EXPECT_EQ(fenster.y(), 300);
    EXPECT_EQ(fenster.cbFahrzeug->count(), 0);
}

class MusterTest : public AuswertungTest, public ::testing::WithParamInterface<bool> {};

TEST_P(MusterTest, MusterfahrzeugNurMitOption)
{
    const bool einbeziehen = GetParam();
    build::optionen(QStringLiteral("Muster"), einbeziehen ? 1 : 0);
    auto muster = d.fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 10000, 10010);
    muster.kfz = 1;
    build::fahrt(muster);
    build::fahrt(d.fahrt(am(2006, 5, 3, 8), am(2006, 5, 3, 9), 0, 10));
    oeffnen();
    EXPECT_EQ(fenster.cbFahrzeug->findText(QStringLiteral("Musterfahrzeug")) >= 0, einbeziehen);
    waehle(fenster.cbFahrzeug, QStringLiteral("alle"));
    anzeigen(fenster.RBFahrten);
    EXPECT_EQ(spalte(fenster.sgFahrten, 6).contains(QStringLiteral("Musterfahrzeug")), einbeziehen);
    EXPECT_EQ(fenster.fahrtenliste().anzahl(), einbeziehen ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Option, MusterTest, ::testing::Bool());

TEST_F(AuswertungTest, VerstecktesMusterfahrzeugAlsAktuellesWaehltAlle)
{
    db.sitzung().setAktuellesFahrzeug(1);
    build::fahrt(d.fahrt(am(2006, 5, 3, 8), am(2006, 5, 3, 9), 0, 10));
    oeffnen();
    EXPECT_EQ(fenster.cbFahrzeug->currentText(), QStringLiteral("alle"));
    anzeigen(fenster.RBFahrten);
    EXPECT_EQ(fenster.fahrtenliste().anzahl(), 1u);
}

TEST_F(AuswertungTest, VerwerfenBehaeltDasFahrzeug)
{
    oeffnen();
    waehle(fenster.cbFahrzeug, QStringLiteral("M-AB 2, Passat"));
    waehle(fenster.cbFahrer, QStringLiteral("O'Brien"));
    waehle(fenster.cbBemerkung, QStringLiteral("ja"));
    fenster.eKMAbf->setText(QStringLiteral("100"));
    fenster.eKMAbfExit();
    ankreuzen(fenster.cbxAbDat, fenster.dtpAbDat, QDate(2005, 1, 1));

    fenster.btVerwerfenClick();
    EXPECT_EQ(fenster.cbFahrzeug->currentText(), QStringLiteral("M-AB 2, Passat"));
    EXPECT_EQ(fenster.filter().fahrzeug, d.passat);
    EXPECT_EQ(fenster.cbFahrer->currentText(), QStringLiteral("alle"));
    EXPECT_FALSE(fenster.filter().fahrer);
    EXPECT_EQ(fenster.filter().bemerkung, Fahrtenfilter::Bemerkung::Alle);
    EXPECT_EQ(fenster.filter().kmAb, 0);
    EXPECT_TRUE(fenster.eKMAbf->text().isEmpty());
    EXPECT_FALSE(fenster.cbxAbDat->isChecked());
    EXPECT_FALSE(fenster.dtpAbDat->isEnabled());
    EXPECT_EQ(fenster.dtpAbDat->date(), QDate(2004, 1, 1));
    EXPECT_EQ(fenster.dtpAnDat->date(), QDate(2006, 6, 1));
    EXPECT_EQ(zeitpunkt::alsIso(fenster.filter().abfahrtAb), QStringLiteral("2002-01-01 00:00:00"));
}

TEST_F(AuswertungTest, AbfahrtNachGewaehlterAnkunftFaelltAufDieAnkunftZurueck)
{
    oeffnen();
    ankreuzen(fenster.cbxAnDat, fenster.dtpAnDat, QDate(2004, 6, 1));
    ankreuzen(fenster.cbxAbDat, fenster.dtpAbDat, QDate(2004, 6, 10));
    EXPECT_EQ(fenster.dtpAbDat->date(), QDate(2004, 6, 1));
    EXPECT_EQ(zeitpunkt::alsIso(fenster.filter().abfahrtAb), QStringLiteral("2004-06-01 00:00:00"));
    // Moving the arrival before the departure takes it up to the departure.
    fenster.dtpAnDat->setDate(QDate(2004, 5, 20));
    EXPECT_EQ(fenster.dtpAnDat->date(), QDate(2004, 6, 1));
    EXPECT_EQ(zeitpunkt::alsIso(fenster.filter().ankunftBis), QStringLiteral("2004-06-01 23:59:59"));
    // Clearing a box gives the open bound back.
    fenster.cbxAnDat->setChecked(false);
    fenster.cbxAnDatClick();
    EXPECT_FALSE(fenster.dtpAnDat->isEnabled());
    EXPECT_EQ(zeitpunkt::alsIso(fenster.filter().ankunftBis), QStringLiteral("2006-06-01 23:59:59"));
}

TEST_F(AuswertungTest, GrenzenNehmenDenMonatZuerst)
{
    build::fahrt(d.fahrt(am(2004, 3, 4, 23), am(2004, 3, 4, 23, 30), 0, 10));
    build::fahrt(d.fahrt(am(2004, 3, 5, 0), am(2004, 3, 5, 1), 10, 20));
    build::fahrt(d.fahrt(am(2004, 3, 5, 23), am(2004, 3, 5, 23, 59), 20, 30));
    build::fahrt(d.fahrt(am(2004, 5, 3, 8), am(2004, 5, 3, 9), 30, 40));
    oeffnen();
    ankreuzen(fenster.cbxAbDat, fenster.dtpAbDat, QDate(2004, 3, 5));
    ankreuzen(fenster.cbxAnDat, fenster.dtpAnDat, QDate(2004, 3, 5));
    anzeigen(fenster.RBFahrten);
    EXPECT_EQ(gelisteteAbfahrten(), (QStringList{"05.03.2004 00:00:00", "05.03.2004 23:00:00"}));
    EXPECT_EQ(fenster.stand().anzeigeVon, QStringLiteral("5.3.2004"));
}

TEST_F(AuswertungTest, KilometergrenzenLeerHeisstOffen)
{
    build::fahrt(d.fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 0, 10));
    build::fahrt(d.fahrt(am(2006, 5, 3, 8), am(2006, 5, 3, 9), 2999990, 3000000));
    oeffnen();
    fenster.eKMAbf->setText(QStringLiteral("5"));
    fenster.eKMAbfExit();
    anzeigen(fenster.RBFahrten);
    EXPECT_EQ(fenster.fahrtenliste().anzahl(), 1u);
    fenster.eKMAbf->clear();
    fenster.eKMAbfExit();
    fenster.eKMAnk->clear();
    fenster.eKMAnkExit();
    EXPECT_EQ(fenster.filter().kmAb, 0);
    EXPECT_EQ(fenster.filter().kmAn, 3000000);
    anzeigen(fenster.RBFahrten);
    EXPECT_EQ(fenster.fahrtenliste().anzahl(), 2u);
}

TEST_F(AuswertungTest, FalscheKilometerangabeMeldetFehlerUndBehaeltDieGrenze)
{
    oeffnen();
    fenster.eKMAnk->setText(QStringLiteral("500"));
    fenster.eKMAnkExit();
    fenster.eKMAnk->setText(QStringLiteral("5x0"));
    fenster.eKMAnkExit();
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 1);
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QStringLiteral("Fehler bei Eingabe")});
    EXPECT_EQ(ScriptedPrompts::get().shown().back().title, QStringLiteral("Fehler"));
    EXPECT_EQ(fenster.filter().kmAn, 500);
}

TEST_F(AuswertungTest, FalscheKilometerangabeMeldetSichBeiJedemVerlassen)
{
    oeffnen();
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    fenster.eKMAnk->setFocus();
    QTest::keyClicks(fenster.eKMAnk, QStringLiteral("5x0"));
    fenster.cbVon->setFocus();
    EXPECT_TRUE(fenster.eKMAnk->hasFocus());
    // Left again without a change: still wrong, so told again.
    fenster.cbVon->setFocus();
    EXPECT_TRUE(fenster.eKMAnk->hasFocus());
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList(2, QStringLiteral("Fehler bei Eingabe")));
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 2);
    EXPECT_EQ(fenster.filter().kmAn, 3000000);
}

struct BemerkungFall {
    const char* auswahl;
    QStringList markierungen;
};

class BemerkungTest : public AuswertungTest, public ::testing::WithParamInterface<BemerkungFall> {};

TEST_P(BemerkungTest, FiltertNachBemerkung)
{
    auto mit = d.fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 0, 10);
    mit.bemerkung = QStringLiteral("Stau");
    build::fahrt(mit);
    build::fahrt(d.fahrt(am(2006, 5, 3, 8), am(2006, 5, 3, 9), 10, 20));
    oeffnen();
    waehle(fenster.cbBemerkung, QString::fromLatin1(GetParam().auswahl));
    anzeigen(fenster.RBFahrten);
    EXPECT_EQ(spalte(fenster.sgFahrten, Fahrtenliste::Bem), GetParam().markierungen);
}

INSTANTIATE_TEST_SUITE_P(Auswahl, BemerkungTest,
                         ::testing::Values(BemerkungFall{"alle", {"x", " "}}, BemerkungFall{"ja", {"x"}},
                                           BemerkungFall{"keine", {" "}}));

TEST_F(AuswertungTest, StartsatzArtWirdNieGelistet)
{
    auto n = d.fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 0, 10);
    n.art = 99;
    build::fahrt(n);
    build::fahrt(d.fahrt(am(2006, 5, 3, 8), am(2006, 5, 3, 9), 10, 30));
    oeffnen();
    anzeigen(fenster.RBFahrten);
    EXPECT_EQ(spalte(fenster.sgFahrten, Fahrtenliste::Art), QStringList{QStringLiteral("G")});
    EXPECT_EQ(fenster.sbAnzahl->text(), QStringLiteral("Anzahl Fahrten: 1"));
    EXPECT_EQ(fenster.sbKilometer->text(), QStringLiteral("Kilometer: 20"));
}

TEST_F(AuswertungTest, OhneTrefferEineLeereZeileUndGesperrteKnoepfe)
{
    fenster.setDruckvorschau([] {});
    oeffnen();
    anzeigen(fenster.RBFahrten);
    ASSERT_EQ(fenster.sgFahrten->model()->rowCount(), 1);
    EXPECT_EQ(zelle(fenster.sgFahrten, 0, Fahrtenliste::KmAbf), QString());
    EXPECT_EQ(fenster.sbAnzahl->text(), QStringLiteral("Anzahl Fahrten: 0"));
    EXPECT_EQ(fenster.sbKilometer->text(), QStringLiteral("Kilometer: 0"));
    EXPECT_FALSE(fenster.btDetails->isEnabled());
    EXPECT_FALSE(fenster.btExport->isEnabled());
    EXPECT_FALSE(fenster.btStammfahrt->isEnabled());
    // Double-click on the empty row opens nothing (a modal dialog would block here).
    fenster.sgFahrtenDblClick();
}

TEST_F(AuswertungTest, DruckvorschauErstMitAngeschlossenemBericht)
{
    build::fahrt(d.fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 0, 10));
    build::fahrt(d.fahrt(am(2006, 5, 3, 8), am(2006, 5, 3, 9), 10, 20));
    oeffnen();
    anzeigen(fenster.RBFahrten);
    EXPECT_FALSE(fenster.btExport->isEnabled());
    int aufrufe = 0;
    fenster.setDruckvorschau([&aufrufe] { ++aufrufe; });
    EXPECT_TRUE(fenster.btExport->isEnabled());
    fenster.btExport->click();
    EXPECT_EQ(aufrufe, 1);
    fenster.RBFahrzeug->click();
    EXPECT_FALSE(fenster.btExport->isEnabled());
    // Another row of the old result does not bring the preview back; the next "Anzeigen" does.
    fenster.sgFahrten->setCurrentIndex(fenster.sgFahrten->model()->index(1, 0));
    EXPECT_FALSE(fenster.btExport->isEnabled());
    anzeigen(fenster.RBFahrten);
    EXPECT_TRUE(fenster.btExport->isEnabled());
}

TEST_F(AuswertungTest, ZeigtFortschrittWaehrendDieListeGefuelltWird)
{
    for (int i = 0; i < 4; ++i)
        build::fahrt(d.fahrt(am(2006, 5, 2 + i, 8), am(2006, 5, 2 + i, 9), i, i + 1));
    QStringList ablauf;
    fortschrittMitschreiben(ablauf);
    oeffnen();
    anzeigen(fenster.RBFahrten);
    // The gauge counts on an estimate (here the vehicle's start record too) and ends full.
    ASSERT_GE(ablauf.size(), 4);
    EXPECT_EQ(ablauf.first(), QStringLiteral("starten"));
    EXPECT_EQ(ablauf.mid(1, ablauf.size() - 2), (QStringList{"20", "40", "60", "80", "100"}));
    EXPECT_EQ(ablauf.last(), QStringLiteral("beenden"));
}

struct FahreransichtFall {
    const char* name;
    const char* fahrer;
    QDate ab; // invalid: box clear
    QDate an;
    int modus;
};

class FahreransichtTest : public AuswertungTest, public ::testing::WithParamInterface<FahreransichtFall> {};

TEST_P(FahreransichtTest, WaehltDieTabelle)
{
    const FahreransichtFall& f = GetParam();
    oeffnen();
    fenster.RBFahrer->click();
    EXPECT_FALSE(fenster.cbFahrzeug->isEnabled());
    EXPECT_TRUE(fenster.cbFahrer->isEnabled());
    waehle(fenster.cbFahrer, QString::fromUtf8(f.fahrer));
    if (f.an.isValid())
        ankreuzen(fenster.cbxAnDat, fenster.dtpAnDat, f.an);
    if (f.ab.isValid())
        ankreuzen(fenster.cbxAbDat, fenster.dtpAbDat, f.ab);
    anzeigen(fenster.RBFahrer);
    EXPECT_EQ(fenster.stand().ansichtsModus, f.modus);
    EXPECT_FALSE(fenster.btDetails->isEnabled());
    EXPECT_FALSE(fenster.btStammfahrt->isEnabled());
    EXPECT_FALSE(fenster.sbFahrten->isVisible());
    const QTableView* sichtbar = f.modus == 1   ? fenster.SGFahrer
                                 : f.modus == 2 ? fenster.SGFahrerTab
                                                : fenster.sgFahrten;
    EXPECT_TRUE(sichtbar->isVisible());
    EXPECT_EQ(fenster.width(), f.modus == 3 ? 940 : 750);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, FahreransichtTest,
    ::testing::Values(FahreransichtFall{"alleFahrer", "alle", {}, {}, 1},
                      FahreransichtFall{"ohneDatum", "Meier", {}, {}, 2},
                      FahreransichtFall{"nurAbfahrt", "Meier", QDate(2006, 5, 2), {}, 2},
                      FahreransichtFall{"verschiedeneTage", "Meier", QDate(2006, 5, 2), QDate(2006, 5, 3), 2},
                      FahreransichtFall{"einTag", "O'Brien", QDate(2006, 5, 2), QDate(2006, 5, 2), 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AuswertungTest, FahrerbeispielInAllenDreiTabellen)
{
    build::fahrt(d.fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 1000, 1040));
    build::fahrt(d.fahrt(am(2006, 5, 2, 10), am(2006, 5, 2, 11), 1040, 1100));
    oeffnen();
    anzeigen(fenster.RBFahrer);
    // Drivers by name: Meier before O'Brien, who has no trip.
    EXPECT_EQ(spalte(fenster.SGFahrer, 0), (QStringList{"Meier", "O'Brien"}));
    EXPECT_EQ(zelle(fenster.SGFahrer, 0, 2), QStringLiteral("0d 03h 00min"));
    EXPECT_EQ(zelle(fenster.SGFahrer, 0, 3), QStringLiteral("0d 02h 00min"));
    EXPECT_EQ(zelle(fenster.SGFahrer, 0, 5), QStringLiteral("0d 01h 00min"));
    EXPECT_EQ(zelle(fenster.SGFahrer, 1, 4), QStringLiteral("0 km"));

    waehle(fenster.cbFahrer, QStringLiteral("Meier"));
    anzeigen(fenster.RBFahrer);
    EXPECT_EQ(zelle(fenster.SGFahrerTab, 0, 1), QStringLiteral("08:00"));
    EXPECT_EQ(zelle(fenster.SGFahrerTab, 0, 2), QStringLiteral("11:00"));
    EXPECT_EQ(zelle(fenster.SGFahrerTab, 1, 0), QStringLiteral("Summe:"));

    ankreuzen(fenster.cbxAbDat, fenster.dtpAbDat, QDate(2006, 5, 2));
    ankreuzen(fenster.cbxAnDat, fenster.dtpAnDat, QDate(2006, 5, 2));
    anzeigen(fenster.RBFahrer);
    EXPECT_EQ(spalte(fenster.sgFahrten, 9), (QStringList{"Besuch", "Standzeit", "Besuch", "Fahrzeit"}));
    EXPECT_EQ(fenster.stand().fahrerTabelle.zeilen.last()[8], QStringLiteral("02:00"));
    // Double-click in a driver view opens no details.
    fenster.sgFahrtenDblClick();
}

TEST_F(AuswertungTest, FahreransichtOhneFahrtenNurSummenzeile)
{
    oeffnen();
    waehle(fenster.cbFahrer, QStringLiteral("O'Brien"));
    anzeigen(fenster.RBFahrer);
    ASSERT_EQ(fenster.SGFahrerTab->model()->rowCount(), 1);
    EXPECT_EQ(zelle(fenster.SGFahrerTab, 0, 3), QStringLiteral("0 Tag(e) 00:00"));
    EXPECT_EQ(zelle(fenster.SGFahrerTab, 0, 5), QStringLiteral("0"));
}

TEST_F(AuswertungTest, FahrzeugansichtMitAnteilen)
{
    auto privat = d.fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 1000, 1025);
    privat.art = 2;
    build::fahrt(privat);
    build::fahrt(d.fahrt(am(2006, 5, 3, 8), am(2006, 5, 3, 9), 1025, 1100));
    auto passat = d.fahrt(am(2006, 5, 3, 8), am(2006, 5, 3, 9), 0, 40);
    passat.kfz = d.passat;
    passat.art = 2;
    build::fahrt(passat);
    oeffnen();
    anzeigen(fenster.RBFahrzeug);
    EXPECT_TRUE(fenster.SGFahrzeuge->isVisible());
    EXPECT_EQ(fenster.width(), 750);
    ASSERT_EQ(fenster.SGFahrzeuge->model()->rowCount(), 2);
    EXPECT_EQ(zelle(fenster.SGFahrzeuge, 0, 0), QStringLiteral("B-XY 1, Golf"));
    EXPECT_EQ(zelle(fenster.SGFahrzeuge, 0, 2), QStringLiteral("100"));
    EXPECT_EQ(zelle(fenster.SGFahrzeuge, 0, 7), QStringLiteral("25,0 %"));
    EXPECT_EQ(zelle(fenster.SGFahrzeuge, 1, 7), QStringLiteral("100,0 %"));
    EXPECT_FALSE(fenster.btDetails->isEnabled());
    EXPECT_FALSE(fenster.btStammfahrt->isEnabled());
    // The view mode stays what it was.
    EXPECT_EQ(fenster.stand().ansichtsModus, Auswertungsstand::Fahrten);
}

// --- Standard trips from the list ---

TEST_F(AuswertungTest, StammfahrtWirdEinmalGespeichert)
{
    build::fahrt(d.fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 1000, 1042));
    oeffnen();
    anzeigen(fenster.RBFahrten);
    alsStammfahrt(fenster, PromptAnswer::Yes);
    EXPECT_EQ(ScriptedPrompts::get().shown().back().text,
              QStringLiteral("Die selektierte Fahrt als Stammfahrt festlegen?"));
    SqlStatement s("SELECT Von, Nach, KM, Zweck, Kategorie, Art FROM T_STAMMFAHRTEN");
    s.exec();
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.intValue("Von"), d.buero);
    EXPECT_EQ(s.intValue("Nach"), d.kunde);
    EXPECT_EQ(s.intValue("KM"), 42);
    EXPECT_EQ(s.intValue("Zweck"), d.besuch);
    EXPECT_EQ(s.intValue("Kategorie"), d.standard);
    EXPECT_EQ(s.intValue("Art"), 4);

    alsStammfahrt(fenster, PromptAnswer::Yes);
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 1);
    EXPECT_EQ(ScriptedPrompts::get().texts().last(), QStringLiteral("Die Stammfahrt ist bereits vorhanden"));
    EXPECT_EQ(ScriptedPrompts::get().shown().back().title, QStringLiteral("Warnung"));
    EXPECT_EQ(stammfahrten(), 1);
}

TEST_F(AuswertungTest, AndereKategorieIstEineNeueStammfahrt)
{
    build::fahrt(d.fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 1000, 1042));
    auto extra = d.fahrt(am(2006, 5, 3, 8), am(2006, 5, 3, 9), 1042, 1084);
    extra.kategorie = d.extra;
    build::fahrt(extra);
    oeffnen();
    anzeigen(fenster.RBFahrten);
    for (int zeile : {0, 1}) {
        fenster.sgFahrten->setCurrentIndex(fenster.sgFahrten->model()->index(zeile, 0));
        alsStammfahrt(fenster, PromptAnswer::Yes);
    }
    EXPECT_EQ(stammfahrten(), 2);
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 0);
}

TEST_F(AuswertungTest, HinUndZurueckZumSelbenOrt)
{
    auto runde = d.fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 1000, 1010);
    runde.ziel = d.buero;
    build::fahrt(runde);
    oeffnen();
    anzeigen(fenster.RBFahrten);
    alsStammfahrt(fenster, PromptAnswer::Yes);
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_STAMMFAHRTEN WHERE Von = ? AND Nach = ?"),
                                      {d.buero, d.buero}),
              1);
}

TEST_F(AuswertungTest, NeinSpeichertKeineStammfahrt)
{
    build::fahrt(d.fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 1000, 1042));
    oeffnen();
    anzeigen(fenster.RBFahrten);
    alsStammfahrt(fenster, PromptAnswer::No);
    EXPECT_EQ(stammfahrten(), 0);
}

// --- Details ---

TEST_F(AuswertungTest, DoppelklickZeigtDieGewaehlteFahrt)
{
    auto privat = d.fahrt(am(2006, 5, 2, 8, 15), am(2006, 5, 2, 9, 40), 1000, 1042);
    privat.art = 2;
    privat.bemerkung = QStringLiteral("Einkauf für das Büro,\nQuittung liegt bei");
    build::fahrt(privat);
    build::fahrt(d.fahrt(am(2006, 5, 3, 8), am(2006, 5, 3, 9), 1042, 1100));
    oeffnen();
    anzeigen(fenster.RBFahrten);
    EXPECT_EQ(zelle(fenster.sgFahrten, 0, Fahrtenliste::Bem), QStringLiteral("x"));
    fenster.sgFahrten->setCurrentIndex(fenster.sgFahrten->model()->index(0, 0));

    QStringList gesehen;
    QTimer::singleShot(0, &details, [this, &gesehen] {
        gesehen << details.EAbfahrt->text() << details.EAnkunft->text() << details.EkmStand->text()
                << details.Ekm->text() << details.cbVon->currentText() << details.Cbnach->currentText()
                << details.CbFahrer->currentText() << QString::number(details.gewaehlteArt())
                << details.MBemerkungen->toPlainText();
        details.btAbbrechen->click();
    });
    fenster.sgFahrtenDblClick();
    EXPECT_EQ(gesehen, (QStringList{"08:15", "09:40", "1042", "42", "Büro", "D'dorf Kunde", "Meier", "1",
                                    "Einkauf für das Büro,\nQuittung liegt bei"}));
    EXPECT_FALSE(details.isVisible());
}

class DetailsTest : public AuswertungTest {
protected:
    void zeige(const build::Fahrt& fahrt)
    {
        build::fahrt(fahrt);
        oeffnen();
        anzeigen(fenster.RBFahrten);
        ASSERT_FALSE(fenster.fahrtenliste().leer());
        TF_Details::Fahrt daten;
        daten.id = fenster.fahrtenliste().fahrt(0).id;
        for (int spalte = 0; spalte < Fahrtenliste::Spalten; ++spalte)
            daten.zellen << fenster.fahrtenliste().zelle(0, spalte);
        details.setFahrt(daten);
        details.FormShow();
    }
};

TEST_F(DetailsTest, GeschaeftlichWaehltDenVierten)
{
    zeige(d.fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 1000, 1042));
    EXPECT_EQ(details.gewaehlteArt(), 3);
    EXPECT_EQ(details.Kalender->selectedDate(), QDate(2006, 5, 2));
    EXPECT_FALSE(details.Kalender->isHidden());
    EXPECT_EQ(details.CbFahrer->count(), 1);
    EXPECT_FALSE(details.cbVon->isEnabled());
    EXPECT_TRUE(details.MBemerkungen->toPlainText().isEmpty());
}

TEST_F(DetailsTest, OhneAbfahrtKeineZeitenUndKeinKalender)
{
    // Arrival on 1 January 2002: the list shows no times.
    zeige(d.fahrt(am(2002, 1, 1, 8), am(2002, 1, 1, 9), 1000, 1042));
    EXPECT_EQ(zelle(fenster.sgFahrten, 0, 0), QString());
    EXPECT_TRUE(details.EAbfahrt->text().isEmpty());
    EXPECT_TRUE(details.EAnkunft->text().isEmpty());
    EXPECT_TRUE(details.Kalender->isHidden());
    EXPECT_TRUE(details.LDatum->isHidden());
    EXPECT_EQ(details.EkmStand->text(), QStringLiteral("1042"));
}

TEST_F(DetailsTest, LangeOrteZeigenIhrenAnfang)
{
    const QString langerOrt = QStringLiteral("Potsdam, Kunde Müller, Eingang Gebäude C");
    auto fahrt = d.fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 1000, 1042);
    fahrt.start = build::ort(langerOrt);
    details.show();
    zeige(fahrt);
    QLineEdit* von = details.cbVon->lineEdit();
    ASSERT_EQ(von->text(), langerOrt);
    EXPECT_TRUE(zeigtAnfang(*von));
    details.hide();
}
