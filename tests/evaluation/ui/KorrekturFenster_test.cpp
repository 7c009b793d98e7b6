#include "Auswertungsdaten.h"
#include "ReportTestSupport.h"

#include "app/Varno.h"
#include "audit/Fahrtenbuchpruefung.h"
#include "audit/KorrekturStore.h"
#include "audit/ui/TF_Korrektur.h"
#include "common/Clock.h"
#include "common_ui/Kontrast.h"
#include "db/Database.h"
#include "db/Dialekt.h"
#include "logbuch/KFZEintrag.h"
#include "db/SqlStatement.h"
#include "logbuch/FahrzeugStore.h"
#include "evaluation/report/PdfExport.h"
#include "evaluation/report/ReportLayout.h"
#include "evaluation/ui/Druckvorschau.h"
#include "evaluation/ui/TF_AuswertungMirel.h"
#include "evaluation/ui/TF_Details.h"
#include "support/Dateieingriff.h"
#include "support/ScriptedPrompts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Two trips of the Golf on 1 and 2 March 2006; the program runs, the evaluation lists them.
class KorrekturFenster : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::setFixed(QDateTime(QDate(2006, 3, 10), QTime(12, 0)));
        erste = build::fahrt(d.fahrt(am(2006, 3, 1, 8), am(2006, 3, 1, 9), 1000, 1050));
        zweite = build::fahrt(d.fahrt(am(2006, 3, 2, 8), am(2006, 3, 2, 9), 1050, 1090));
        varno.sitzung().setAktuellesFahrzeug(d.golf);
        varno.starten(false);
        auswertung()->show();
        anzeigen();
    }
    void TearDown() override
    {
        auswertung()->close();
        Clock::reset();
    }

    TF_AuswertungMirel* auswertung() { return varno.auswertung(); }
    QTableView* liste() { return auswertung()->sgFahrten; }
    QString zelle(int zeile, int spalte) { return liste()->model()->index(zeile, spalte).data().toString(); }
    void anzeigen() { auswertung()->btAnzeigen->click(); }
    void waehlen(int zeile) { liste()->setCurrentIndex(liste()->model()->index(zeile, 0)); }

    // Opens "Fahrt korrigieren …" on the row and does `eingeben` in the open dialog.
    void korrigieren(int zeile, const std::function<void(TF_Korrektur&)>& eingeben)
    {
        waehlen(zeile);
        ASSERT_TRUE(auswertung()->btKorrigieren->isEnabled());
        QTimer::singleShot(0, [this, eingeben] { eingeben(*varno.korrektur()); });
        auswertung()->btKorrigieren->click();
    }

    static QStringList zeile(const QString& sql, const QVariantList& werte = {})
    {
        SqlStatement s(sql);
        for (const QVariant& wert : werte)
            s.bind(wert);
        s.exec();
        QStringList texte;
        while (s.next())
            for (int spalte = 0; s.value(spalte).isValid(); ++spalte)
                texte << s.value(spalte).toString();
        return texte;
    }

    TestDatabase db;
    Auswertungsdaten d;
    int erste = 0;
    int zweite = 0;
    Varno varno{db.file()};
};

const QString inhalt = QStringLiteral("SELECT KFZ, AbDat, AnDat, km_ab, km_an, Start, Ziel, Art, Zweck, Kategorie, "
                                      "Fahrer, Bemerkung, Erfasst, Pruefwert FROM T_MIREL WHERE ID = ?");

} // namespace

TEST_F(KorrekturFenster, ErsetztDieFahrtUndLaesstDieAlteUnberuehrt)
{
    const QStringList vorher = zeile(inhalt, {erste});
    // The second trip began where the first ended: it begins at the new reading too.
    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    korrigieren(0, [](TF_Korrektur& dialog) {
        dialog.EkmStand->setText(QStringLiteral("1045"));
        dialog.EGrund->setText(QStringLiteral("Tippfehler"));
        dialog.btSpeichern->click();
    });

    EXPECT_EQ(zeile(inhalt, {erste}), vorher);
    EXPECT_EQ(zeile(QStringLiteral("SELECT km_ab, km_an, Grund, Erfasst FROM T_MIREL WHERE ErsetztID = ?"), {erste}),
              (QStringList{QStringLiteral("1000"), QStringLiteral("1045"), QStringLiteral("Tippfehler"),
                           QStringLiteral("2006-03-10 12:00:00")}));
    EXPECT_EQ(zeile(QStringLiteral("SELECT km_ab, km_an, Grund FROM T_MIREL WHERE ErsetztID = ?"), {zweite}),
              (QStringList{QStringLiteral("1045"), QStringLiteral("1090"), QStringLiteral("Tippfehler")}));
    // The list shows the current versions: the corrected trips in their place, the sums follow and
    // count every kilometre once.
    EXPECT_EQ(liste()->model()->rowCount(), 2);
    EXPECT_EQ(zelle(0, 5), QStringLiteral("1045"));
    EXPECT_EQ(auswertung()->sbKilometer->text(), QStringLiteral("Kilometer: 90"));
    EXPECT_EQ(zeile(QStringLiteral("SELECT Beschreibung FROM T_Protokoll WHERE Ereignis = 'Korrektur' ORDER BY ID")),
              (QStringList{QStringLiteral("Fahrt vom 01.03.2006 08:00, B-XY 1, Golf korrigiert: km-Ankunft: 1050 → "
                                          "1045. Grund: Tippfehler"),
                           QStringLiteral("Fahrt vom 02.03.2006 08:00, B-XY 1, Golf korrigiert: km-Abfahrt: 1050 → "
                                          "1045. Grund: Tippfehler")}));
    EXPECT_TRUE(fahrtenbuchpruefung::pruefen().unveraendert());
}

TEST_F(KorrekturFenster, OhneDieFolgendeFahrtWirdNichtsGespeichertUndDieFelderBleiben)
{
    ScriptedPrompts::get().answer(PromptAnswer::No);
    QString kmStand;
    bool offen = false;
    korrigieren(0, [&](TF_Korrektur& dialog) {
        dialog.EkmStand->setText(QStringLiteral("1045"));
        dialog.EGrund->setText(QStringLiteral("Tippfehler"));
        dialog.btSpeichern->click();
        offen = dialog.isVisible();
        kmStand = dialog.EkmStand->text();
        dialog.btAbbrechen->click();
    });
    EXPECT_TRUE(offen);
    EXPECT_EQ(kmStand, QStringLiteral("1045"));
    EXPECT_EQ(ScriptedPrompts::get().texts(),
              QStringList{QStringLiteral("Die folgende Fahrt vom 02.03.2006 08:00 beginnt bei km 1050. Soll ihr "
                                         "km-Stand bei Abfahrt auf 1045 berichtigt werden? Sie wird mit demselben "
                                         "Grund korrigiert; ohne sie wird nichts gespeichert.")});
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE ErsetztID IS NOT NULL"), 0);
}

TEST_F(KorrekturFenster, AbfahrtsstandIstKorrigierbarUndNurEineZahl)
{
    korrigieren(1, [](TF_Korrektur& dialog) {
        EXPECT_TRUE(dialog.EkmAbfahrt->isEnabled());
        EXPECT_EQ(dialog.EkmAbfahrt->text(), QStringLiteral("1050"));
        dialog.EkmAbfahrt->setText(QStringLiteral("10x0"));
        dialog.EGrund->setText(QStringLiteral("Tippfehler"));
        dialog.btSpeichern->click();
        // Below the first trip's arrival: the odometer would run backwards.
        dialog.EkmAbfahrt->setText(QStringLiteral("1040"));
        dialog.btSpeichern->click();
        dialog.btAbbrechen->click();
    });
    EXPECT_EQ(ScriptedPrompts::get().texts(),
              (QStringList{QStringLiteral("Fehler bei der Eingabe"),
                           QStringLiteral("Fahrt vom 02.03.2006 08:00, B-XY 1, Golf: ihr km-Stand bei Abfahrt (1040) "
                                          "liegt unter dem km-Stand bei Ankunft der Fahrt davor (1050).")}));
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE ErsetztID IS NOT NULL"), 0);
}

TEST_F(KorrekturFenster, ListeFolgtDemFahrtenbuchMitDemFilterDesLetztenAnzeigens)
{
    // The user narrows the filter but does not press "Anzeigen": the list and its print keep the
    // last result's filter.
    auswertung()->cbxAbDat->setChecked(true);
    auswertung()->dtpAbDat->setDate(QDate(2006, 3, 2));
    waehlen(1);
    ScriptedPrompts::get().answerInput(QStringLiteral("doppelt erfasst"));
    auswertung()->btStornieren->click();
    EXPECT_EQ(liste()->model()->rowCount(), 1);
    EXPECT_EQ(zelle(0, 5), QStringLiteral("1050"));

    // A trip stored in another window shows at once.
    build::fahrt(d.fahrt(am(2006, 3, 3, 8), am(2006, 3, 3, 9), 1050, 1070));
    varno.sitzung().fahrtenbuchGeaendertMelden();
    EXPECT_EQ(liste()->model()->rowCount(), 2);
    EXPECT_EQ(auswertung()->sbKilometer->text(), QStringLiteral("Kilometer: 70"));
}

TEST_F(KorrekturFenster, OhneGrundWirdAbgelehntUndNichtsGespeichert)
{
    bool offen = false;
    korrigieren(0, [&offen](TF_Korrektur& dialog) {
        dialog.EkmStand->setText(QStringLiteral("1045"));
        dialog.btSpeichern->click();
        offen = dialog.isVisible();
        dialog.btAbbrechen->click();
    });
    EXPECT_TRUE(offen);
    EXPECT_EQ(ScriptedPrompts::get().texts(),
              QStringList{QStringLiteral("Bitte geben Sie den Grund der Korrektur an.")});
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 1);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE ErsetztID IS NOT NULL"), 0);
}

TEST_F(KorrekturFenster, FolgtDenRegelnDerFahrtenerfassung)
{
    korrigieren(1, [](TF_Korrektur& dialog) {
        dialog.EAbfahrt->setText(QStringLiteral("24:00"));
        dialog.EGrund->setText(QStringLiteral("Uhrzeit"));
        dialog.btSpeichern->click();
        dialog.EAbfahrt->setText(QStringLiteral("08:30"));
        dialog.EkmStand->setText(QStringLiteral("1300"));
        dialog.btSpeichern->click();
        dialog.btAbbrechen->click();
    });
    EXPECT_EQ(ScriptedPrompts::get().texts(),
              (QStringList{QStringLiteral("Fehler bei Eingabe. Gültige Werte sind 00:00 bis 23:59."),
                           QStringLiteral("Die Durchschnittsgeschwindigkeit von 500 km/h überschreitet die in den "
                                          "Optionen eingestellte Geschwindigkeit.")}));
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE ErsetztID IS NOT NULL"), 0);
}

TEST_F(KorrekturFenster, UnveraenderteFahrtWirdNichtGespeichert)
{
    korrigieren(0, [](TF_Korrektur& dialog) {
        dialog.EGrund->setText(QStringLiteral("nur so"));
        dialog.btSpeichern->click();
        dialog.btAbbrechen->click();
    });
    EXPECT_EQ(ScriptedPrompts::get().texts(),
              QStringList{QStringLiteral("Die Fahrt ist unverändert; es gibt nichts zu korrigieren.")});
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE ErsetztID IS NOT NULL"), 0);
}

TEST_F(KorrekturFenster, StornierteFahrtZaehltNirgendsUndBleibtAlsFassungSichtbar)
{
    waehlen(1);
    ScriptedPrompts::get().answerInput(QStringLiteral("doppelt erfasst"));
    auswertung()->btStornieren->click();
    EXPECT_EQ(ScriptedPrompts::get().shown().front().text,
              QStringLiteral("Fahrt vom 02.03.2006 08:00, B-XY 1, Golf stornieren. Grund der Stornierung:"));
    // The reasons the correction window offers, in the same order; any other text may be typed.
    QStringList imKorrekturfenster;
    for (int i = 0; i < varno.korrektur()->CbGrund->count(); ++i)
        imKorrekturfenster << varno.korrektur()->CbGrund->itemText(i);
    EXPECT_EQ(ScriptedPrompts::get().shown().front().suggestions, imKorrekturfenster);
    EXPECT_EQ(ScriptedPrompts::get().shown().front().suggestions,
              (QStringList{QStringLiteral("Tippfehler"), QStringLiteral("doppelt erfasst"),
                           QStringLiteral("falsches Fahrzeug"), QStringLiteral("falsche Fahrtart")}));
    EXPECT_EQ(liste()->model()->rowCount(), 1);
    EXPECT_EQ(auswertung()->sbAnzahl->text(), QStringLiteral("Anzahl Fahrten: 1"));
    EXPECT_EQ(auswertung()->sbKilometer->text(), QStringLiteral("Kilometer: 50"));

    // Shown with the replaced versions, struck through and grey, with date and reason; still not counted.
    auswertung()->cbxErsetzte->click();
    anzeigen();
    ASSERT_EQ(liste()->model()->rowCount(), 2);
    const QModelIndex storniert = liste()->model()->index(1, 0);
    EXPECT_TRUE(storniert.data(Qt::FontRole).value<QFont>().strikeOut());
    const QColor grau = storniert.data(Qt::ForegroundRole).value<QColor>();
    EXPECT_LT(grau.hsvSaturation(), 16);
    EXPECT_GE(kontrast::verhaeltnis(grau, QApplication::palette().color(QPalette::Base)), kontrast::lesbar);
    EXPECT_NE(grau, QApplication::palette().color(QPalette::Text));
    EXPECT_EQ(storniert.data(Qt::ToolTipRole).toString(),
              QStringLiteral("storniert am 10.03.2006 12:00:00: doppelt erfasst"));
    EXPECT_FALSE(liste()->model()->index(0, 0).data(Qt::FontRole).isValid());
    EXPECT_EQ(auswertung()->sbAnzahl->text(), QStringLiteral("Anzahl Fahrten: 1"));
    EXPECT_EQ(auswertung()->sbKilometer->text(), QStringLiteral("Kilometer: 50"));
    waehlen(1);
    EXPECT_FALSE(auswertung()->aKorrigieren->isEnabled());
    EXPECT_FALSE(auswertung()->aStornieren->isEnabled());
    EXPECT_FALSE(auswertung()->btKorrigieren->isEnabled());
    EXPECT_FALSE(auswertung()->btStornieren->isEnabled());

    // The vehicle's odometer is the last current trip's again.
    const std::vector<KFZEintrag> fahrzeuge = FahrzeugStore::offeneFahrzeuge();
    const auto golf =
        std::find_if(fahrzeuge.begin(), fahrzeuge.end(), [this](const KFZEintrag& f) { return f.ID == d.golf; });
    ASSERT_NE(golf, fahrzeuge.end());
    EXPECT_EQ(golf->KmStand, 1050);
}

TEST_F(KorrekturFenster, StornierungOhneGrundWirdAbgelehnt)
{
    waehlen(0);
    ScriptedPrompts::get().answerInput(QStringLiteral(" "));
    auswertung()->aStornieren->trigger();
    ScriptedPrompts::get().answerInput(std::nullopt);
    auswertung()->aStornieren->trigger();
    EXPECT_EQ(ScriptedPrompts::get().texts().filter(QStringLiteral("Bitte")),
              QStringList{QStringLiteral("Bitte geben Sie den Grund der Stornierung an.")});
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE ErsetztID IS NOT NULL"), 0);
    EXPECT_EQ(liste()->model()->rowCount(), 2);
}

TEST_F(KorrekturFenster, VeraenderteZeileIstMarkiertUndDieStatuszeileSagtEs)
{
    EXPECT_EQ(auswertung()->sbPruefung->text(), QStringLiteral("Fahrtenbuch geprüft: unverändert"));
    // Another program changes the file while Varno has it open.
    dateieingriff::ausfuehren(db.file(), {QStringLiteral("UPDATE T_MIREL SET km_an = 1049 WHERE ID = %1").arg(erste)});
    anzeigen();
    EXPECT_EQ(auswertung()->sbPruefung->text(), QStringLiteral("Fahrtenbuch geprüft: verändert"));
    const QModelIndex veraendert = liste()->model()->index(0, 3);
    // Pale red under a light theme, a darker red under a dark one: red in hue either way.
    const QColor rot = veraendert.data(Qt::BackgroundRole).value<QColor>();
    EXPECT_EQ(rot.hslHue(), 0);
    EXPECT_GT(rot.hslSaturation(), 200);
    EXPECT_GE(kontrast::verhaeltnis(rot, QApplication::palette().color(QPalette::Text)), kontrast::lesbar);
    EXPECT_TRUE(veraendert.data(Qt::ToolTipRole)
                    .toString()
                    .startsWith(QStringLiteral("Dieser Eintrag passt nicht mehr zu seinem Prüfwert")));
    EXPECT_FALSE(liste()->model()->index(1, 3).data(Qt::BackgroundRole).isValid());
}

TEST_F(KorrekturFenster, DetailsNennenDieErfassungszeitUndWerGespeichertHat)
{
    waehlen(0);
    QString erfasst;
    QString benutzer;
    QTimer::singleShot(0, [&] {
        erfasst = varno.details()->LErfasst->text();
        benutzer = varno.details()->LBenutzer->text();
        varno.details()->close();
    });
    auswertung()->btDetails->click();
    EXPECT_EQ(erfasst, QStringLiteral("10.03.2006 12:00:00"));
    EXPECT_EQ(benutzer, Database::dialekt().benutzer());
    EXPECT_FALSE(benutzer.isEmpty());
}

TEST_F(KorrekturFenster, DetailsZeigenDieNachgetrageneFahrt)
{
    // Entered a day later between the two trips; the second one then begins where it ended.
    Clock::setFixed(QDateTime(QDate(2006, 3, 11), QTime(9, 15)));
    fahrtspeicherung::Auftrag vergessen{.fahrzeug = d.golf,
                                        .abDat = am(2006, 3, 1, 14),
                                        .anDat = am(2006, 3, 1, 15),
                                        .kmAb = 1050,
                                        .kmAn = 1060,
                                        .von = QStringLiteral("Büro"),
                                        .nach = QStringLiteral("Zuhause"),
                                        .art = 2,
                                        .zweck = QStringLiteral("keine Angabe"),
                                        .kategorie = QStringLiteral("Standard"),
                                        .fahrer = QStringLiteral("Meier")};
    KorrekturStore::nachtragen(vergessen, true);
    varno.sitzung().fahrtenbuchGeaendertMelden();
    ASSERT_EQ(liste()->model()->rowCount(), 3);
    QStringList erfasst;
    for (int zeile = 0; zeile < 3; ++zeile) {
        waehlen(zeile);
        QTimer::singleShot(0, [&] {
            erfasst << varno.details()->LErfasst->text();
            varno.details()->close();
        });
        auswertung()->btDetails->click();
    }
    // The corrected following trip is a correction, not a later entry.
    EXPECT_EQ(erfasst, (QStringList{QStringLiteral("10.03.2006 12:00:00"),
                                    QStringLiteral("11.03.2006 09:15:00 (nachgetragen)"),
                                    QStringLiteral("11.03.2006 09:15:00")}));
}

TEST_F(KorrekturFenster, BerichtZeigtPruefwertErfassungUndKorrekturen)
{
    korrigieren(0, [](TF_Korrektur& dialog) {
        dialog.Cbnach->setEditText(QStringLiteral("Zuhause"));
        dialog.EGrund->setText(QStringLiteral("falsches Ziel"));
        dialog.btSpeichern->click();
    });
    waehlen(1);
    ScriptedPrompts::get().answerInput(QStringLiteral("doppelt erfasst"));
    auswertung()->aStornieren->trigger();

    const auto bericht = Druckvorschau(*auswertung(), {}).bericht();
    ASSERT_TRUE(bericht);
    QTemporaryDir ablage;
    const QString datei = ablage.filePath(QStringLiteral("fahrtenbuch.pdf"));
    writePdf(layOutReport(*bericht), datei);
    const QString text = reporttest::pdfText(datei).simplified();

    const QString pruefwert = fahrtenbuchpruefung::pruefen().pruefwert();
    EXPECT_TRUE(text.contains(QStringLiteral("Prüfwert %1 – Fahrtenbuch geprüft: unverändert").arg(pruefwert)))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Erfasst"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("10.03.2006 12:00:00")));
    EXPECT_TRUE(text.contains(QStringLiteral("Korrekturen")));
    EXPECT_TRUE(text.contains(QStringLiteral("Fahrt vom 01.03.2006 08:00, B-XY 1, Golf")));
    EXPECT_TRUE(text.contains(QStringLiteral("korrigiert am 10.03.2006 12:00:00")));
    EXPECT_TRUE(text.contains(QStringLiteral("Grund: falsches Ziel")));
    EXPECT_TRUE(text.contains(QStringLiteral("nach: D'dorf Kunde → Zuhause")));
    EXPECT_TRUE(text.contains(QStringLiteral("storniert am 10.03.2006 12:00:00")));
    EXPECT_TRUE(text.contains(QStringLiteral("Grund: doppelt erfasst")));
    // The cancelled trip counts nowhere: 50 km of the corrected trip remain.
    EXPECT_TRUE(text.contains(QStringLiteral("Gesamt 50 km")));
}

TEST_F(KorrekturFenster, FahrerUndFahrzeugsichtZaehlenNurAktuelleFassungen)
{
    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    korrigieren(0, [](TF_Korrektur& dialog) {
        dialog.EkmStand->setText(QStringLiteral("1045"));
        dialog.EGrund->setText(QStringLiteral("Tippfehler"));
        dialog.btSpeichern->click();
    });
    waehlen(1);
    ScriptedPrompts::get().answerInput(QStringLiteral("doppelt erfasst"));
    auswertung()->aStornieren->trigger();

    const Fahrtenfilter filter = auswertung()->filter();
    const AuswertungStore store;
    const auto fahrzeuge = store.fahrzeuge(filter.nurZeitraumUndFahrer());
    ASSERT_EQ(fahrzeuge.size(), 1u);
    EXPECT_EQ(fahrzeuge.front().anzahl, 1);
    EXPECT_EQ(fahrzeuge.front().km.gesamt(), 45);
    const auto fahrten = store.fahrtenEinesFahrers(d.meier, filter.abfahrtAb, filter.ankunftBis);
    ASSERT_EQ(fahrten.size(), 1u);
    EXPECT_EQ(fahrten.front().kmAn, 1045);
    EXPECT_EQ(store.tagesfahrten(d.meier, QDate(2006, 3, 2)).size(), 0u);
}

TEST_F(KorrekturFenster, FahrzeugAendernStorniertBeimEinenUndSpeichertBeimAnderen)
{
    // The Passat was on the road when the Golf's second trip began: refused, nothing stored.
    const int passatfahrt = build::fahrt({.kfz = d.passat, .ab = am(2006, 3, 2, 7), .an = am(2006, 3, 2, 8, 30),
                                          .kmAb = 1000, .kmAn = 1040});
    bool offen = false;
    korrigieren(1, [&offen, passatfahrt](TF_Korrektur& dialog) {
        ASSERT_TRUE(dialog.CbFahrzeug->isEnabled());
        dialog.CbFahrzeug->setCurrentIndex(dialog.CbFahrzeug->findText(QStringLiteral("M-AB 2, Passat")));
        dialog.EGrund->setText(QStringLiteral("falsches Fahrzeug"));
        dialog.btSpeichern->click();
        offen = dialog.isVisible();
        // Once the Passat's trip has gone, the move fits.
        KorrekturStore::stornieren(passatfahrt, QStringLiteral("doppelt erfasst"));
        dialog.btSpeichern->click();
    });
    EXPECT_TRUE(offen);
    EXPECT_EQ(ScriptedPrompts::get().texts(),
              QStringList{QStringLiteral("Fahrt vom 02.03.2006 08:00, B-XY 1, Golf unter M-AB 2, Passat: sie beginnt "
                                         "vor der Ankunft der Fahrt davor (02.03.2006 08:30).")});
    EXPECT_FALSE(KorrekturStore::aktuell(zweite));
    EXPECT_EQ(zeile(QStringLiteral("SELECT Grund FROM T_MIREL WHERE ErsetztID = ? AND Storniert = 1"), {zweite}),
              QStringList{QStringLiteral("falsches Fahrzeug")});
    EXPECT_EQ(zeile(QStringLiteral("SELECT km_ab, km_an, Erfasst FROM T_MIREL WHERE KFZ = ? AND Storniert = 0 AND "
                                   "ErsetztID IS NULL AND Art <> 99 AND ID <> ?"),
                    {d.passat, passatfahrt}),
              (QStringList{QStringLiteral("1050"), QStringLiteral("1090"), QStringLiteral("2006-03-10 12:00:00")}));
    // The list of the Golf follows: one trip is left.
    EXPECT_EQ(liste()->model()->rowCount(), 1);
    EXPECT_EQ(zelle(0, 5), QStringLiteral("1050"));
    EXPECT_TRUE(fahrtenbuchpruefung::pruefen().unveraendert());
}

TEST_F(KorrekturFenster, KartenfahrtBleibtBeimFahrzeugIhresFahrtenschreibers)
{
    SqlStatement(QStringLiteral("UPDATE T_KFZ SET Eingabeart = 1 WHERE ID = ?")).bind(d.golf).exec();
    bool frei = true;
    QStringList fahrzeuge;
    korrigieren(0, [&](TF_Korrektur& dialog) {
        frei = dialog.CbFahrzeug->isEnabled();
        for (int i = 0; i < dialog.CbFahrzeug->count(); ++i)
            fahrzeuge << dialog.CbFahrzeug->itemText(i);
        dialog.btAbbrechen->click();
    });
    EXPECT_FALSE(frei);
    EXPECT_EQ(fahrzeuge, QStringList{QStringLiteral("B-XY 1, Golf")});
}
