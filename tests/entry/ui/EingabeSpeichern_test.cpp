#include "EingabeFenster.h"

#include "db/DatabaseError.h"
#include "db/SqlStatement.h"
#include "entry/ui/Radiogruppe.h"
#include "support/ScriptedPrompts.h"
#include "support/ui/Tastenkuerzel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

// What the user has put into the fields when pressing "Speichern".
struct Eingabe {
    const char* abfahrt = "09:00";
    const char* ankunft = "09:30";
    int art = 3;
    const char* nach = "Kunde";
    const char* zweck = "Besuch";
    const char* ekm = "20";
    const char* ekmStand = "12365";
    int tFahrt = 10;
    int v = 130;
};

void eintragen(TF_Eingabe& fenster, const Eingabe& e)
{
    build::optionen(QStringLiteral("tFahrt"), e.tFahrt);
    build::optionen(QStringLiteral("V"), e.v);
    fenster.RGFahrtart->setItemIndex(e.art);
    fenster.EAbfahrt->setText(QString::fromUtf8(e.abfahrt));
    fenster.EAnkunft->setText(QString::fromUtf8(e.ankunft));
    fenster.Cbnach->setEditText(QString::fromUtf8(e.nach));
    fenster.Cbzweck->setEditText(QString::fromUtf8(e.zweck));
    fenster.Ekm->setText(QString::fromUtf8(e.ekm));
    fenster.EkmStand->setText(QString::fromUtf8(e.ekmStand));
}

// Meanwhile a colleague stores the trip from 08:10 to 08:40 (Bahnhof to Hafen) on another computer.
void kollegeSpeichertEineFahrt(int kfz)
{
    build::fahrt({.kfz = kfz,
                  .ab = QDateTime(QDate(2006, 3, 12), QTime(8, 10)),
                  .an = QDateTime(QDate(2006, 3, 12), QTime(8, 40)),
                  .kmAb = 12345,
                  .kmAn = 12360,
                  .start = build::ort(QStringLiteral("Bahnhof")),
                  .ziel = build::ort(QStringLiteral("Hafen"))});
}

} // namespace

struct AblehnungsFall {
    const char* name;
    Eingabe eingabe;
    const char* meldung;
    const char* fokus;
};

class Ablehnung : public EingabeFenster, public ::testing::WithParamInterface<AblehnungsFall> {};

TEST_P(Ablehnung, PieptMeldetUndSetztDenFokus)
{
    const auto& fall = GetParam();
    oeffnen(fahrzeugMitLetzterFahrt());
    eintragen(fenster, fall.eingabe);
    const int vorher = zeilen(QStringLiteral("T_MIREL"));
    fenster.btSchliessenSpeichern->click();
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QString::fromUtf8(fall.meldung)});
    EXPECT_EQ(ScriptedPrompts::get().shown().back().title, QStringLiteral("Fehler"));
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 1);
    EXPECT_EQ(fokus(), QString::fromLatin1(fall.fokus));
    EXPECT_EQ(zeilen(QStringLiteral("T_MIREL")), vorher);
    // The entries stay for the user to correct.
    EXPECT_EQ(ohneKuerzel(fenster.btSchliessenSpeichern->text()), QStringLiteral("Speichern"));
    EXPECT_EQ(TF_Eingabe::zeittext(fenster.EAbfahrt), QString::fromUtf8(fall.eingabe.abfahrt));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Ablehnung,
    ::testing::Values(
        AblehnungsFall{"Abfahrt2400", {.abfahrt = "24:00"}, "Fehler bei Eingabe. Gültige Werte sind 00:00 bis 23:59.",
                       "EAbfahrt"},
        AblehnungsFall{"Abfahrt1260", {.abfahrt = "12:60"}, "Fehler bei Eingabe. Gültige Werte sind 00:00 bis 23:59.",
                       "EAbfahrt"},
        AblehnungsFall{"AbfahrtLeer", {.abfahrt = "  :  "}, "Sie müssen die Abfahrtszeit ausfüllen.", "EAbfahrt"},
        AblehnungsFall{"EineMinuteVorLetzterAnkunft", {.abfahrt = "07:59"},
                       "Die Abfahrtszeit liegt vor der letzten Fahrt.", "EAbfahrt"},
        AblehnungsFall{"Ankunft2400", {.ankunft = "24:00"}, "Fehler bei Eingabe. Gültige Werte sind 00:00 bis 23:59.",
                       "EAnkunft"},
        AblehnungsFall{"PrivatOhneAnkunft", {.ankunft = "  :  ", .art = 1},
                       "Sie müssen entweder die Ankunftszeit ausfüllen oder keine Zeiten eintragen.", "EAnkunft"},
        AblehnungsFall{"GeschaeftlichOhneAnkunft", {.ankunft = "  :  "}, "Sie müssen die Ankunftszeit ausfüllen.",
                       "EAnkunft"},
        AblehnungsFall{"UeberTFahrt", {.ankunft = "17:10", .tFahrt = 8},
                       "Die Fahrtzeit überschreitet die in den Optionen angegeben Zeit", "EAnkunft"},
        AblehnungsFall{"UeberMitternachtUeberTFahrt", {.abfahrt = "22:30", .ankunft = "01:15", .tFahrt = 2},
                       "Die Fahrtzeit überschreitet die in den Optionen angegeben Zeit", "EAnkunft"},
        AblehnungsFall{"ZuSchnell", {.ankunft = "10:30", .ekm = "151", .ekmStand = "12496", .v = 100},
                       "Die Durchschnittsgeschwindigkeit von 101 km/h überschreitet die in den Optionen eingestellte "
                       "Geschwindigkeit.",
                       "EAnkunft"},
        AblehnungsFall{"ZuSchnellUeberMitternacht",
                       {.abfahrt = "22:30", .ankunft = "01:15", .ekm = "300", .ekmStand = "12645", .v = 100},
                       "Die Durchschnittsgeschwindigkeit von 109 km/h überschreitet die in den Optionen eingestellte "
                       "Geschwindigkeit.",
                       "EAnkunft"},
        AblehnungsFall{"OhneZiel", {.nach = "keine Angabe"}, "Sie müssen das Feld \"Nach\" ausfüllen.", "Cbnach"},
        AblehnungsFall{"OhneKilometer", {.ekm = "", .ekmStand = ""}, "Sie müssen die Kilometer ausfüllen.",
                       "EkmStand"},
        AblehnungsFall{"GeschaeftlichOhneZweck", {.zweck = "keine Angabe"}, "Sie müssen das Feld \"Zweck\" ausfüllen.",
                       "Cbzweck"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SpeicherFall {
    const char* name;
    Eingabe eingabe;
    const char* abDat;
    const char* anDat;
};

class Gespeichert : public EingabeFenster, public ::testing::WithParamInterface<SpeicherFall> {};

TEST_P(Gespeichert, SchreibtDieFahrtUndLaedtNeu)
{
    const auto& fall = GetParam();
    oeffnen(fahrzeugMitLetzterFahrt());
    eintragen(fenster, fall.eingabe);
    fenster.btSchliessenSpeichern->click();
    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty());
    const GespeicherteFahrt fahrt = letzteGespeicherteFahrt();
    EXPECT_EQ(fahrt.abDat, QString::fromLatin1(fall.abDat));
    EXPECT_EQ(fahrt.anDat, QString::fromLatin1(fall.anDat));
    EXPECT_EQ(fahrt.kmAb, 12345);
    EXPECT_EQ(fahrt.kmAn, QString::fromLatin1(fall.eingabe.ekmStand).toInt());
    EXPECT_EQ(fahrt.start, QStringLiteral("Büro"));
    EXPECT_EQ(fahrt.ziel, QString::fromUtf8(fall.eingabe.nach));
    EXPECT_EQ(fahrt.art, fall.eingabe.art + 1);
    EXPECT_EQ(fahrt.zweck, QString::fromUtf8(fall.eingabe.zweck));
    EXPECT_EQ(fahrt.kategorie, QStringLiteral("Standard"));
    EXPECT_EQ(fahrt.fahrer, QStringLiteral("keine Angabe"));
    // Reloaded for the next trip: the new destination is where it starts.
    EXPECT_EQ(fenster.cbVon->currentText(), QString::fromUtf8(fall.eingabe.nach));
    EXPECT_EQ(ohneKuerzel(fenster.btSchliessenSpeichern->text()), QStringLiteral("Schließen"));
    EXPECT_EQ(fenster.sgLFahrt->item(0, 4)->text(), QString::fromLatin1(fall.eingabe.ekmStand));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Gespeichert,
    ::testing::Values(
        SpeicherFall{"Normal", {}, "2006-03-12 09:00:00", "2006-03-12 09:30:00"},
        SpeicherFall{"Abfahrt2359", {.abfahrt = "23:59", .ankunft = "23:59"}, "2006-03-12 23:59:00",
                     "2006-03-12 23:59:00"},
        SpeicherFall{"GleichLetzterAnkunft", {.abfahrt = "08:00"}, "2006-03-12 08:00:00", "2006-03-12 09:30:00"},
        SpeicherFall{"GenauGrenzgeschwindigkeit", {.ankunft = "10:30", .ekm = "150", .ekmStand = "12495", .v = 100},
                     "2006-03-12 09:00:00", "2006-03-12 10:30:00"},
        SpeicherFall{"ObenOhneFrage", {.ankunft = "17:09", .tFahrt = 10}, "2006-03-12 09:00:00", "2006-03-12 17:09:00"},
        SpeicherFall{"UeberMitternacht", {.abfahrt = "22:30", .ankunft = "01:15"}, "2006-03-12 22:30:00",
                     "2006-03-13 01:15:00"},
        SpeicherFall{"ArbeitswegOhneZweck", {.art = 2, .zweck = "keine Angabe"}, "2006-03-12 09:00:00",
                     "2006-03-12 09:30:00"},
        SpeicherFall{"UnzugeordnetOhneZweck", {.art = 0, .zweck = "keine Angabe"}, "2006-03-12 09:00:00",
                     "2006-03-12 09:30:00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EingabeFenster, LangeFahrtWirdBestaetigt)
{
    oeffnen(fahrzeugMitLetzterFahrt());
    eintragen(fenster, {.ankunft = "17:10", .tFahrt = 10});
    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    fenster.btSchliessenSpeichern->click();
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QStringLiteral("Die Fahrtzeit beträgt 08:10 h. Sind Sie sicher?")});
    EXPECT_EQ(ScriptedPrompts::get().shown().front().buttons, PromptButtons::YesNo);
    EXPECT_EQ(letzteGespeicherteFahrt().anDat, QStringLiteral("2006-03-12 17:10:00"));
}

TEST_F(EingabeFenster, VerneinteFrageNurPiepen)
{
    oeffnen(fahrzeugMitLetzterFahrt());
    eintragen(fenster, {.ankunft = "17:10", .tFahrt = 10});
    ScriptedPrompts::get().answer(PromptAnswer::No);
    const int vorher = zeilen(QStringLiteral("T_MIREL"));
    fenster.btSchliessenSpeichern->click();
    EXPECT_EQ(ScriptedPrompts::get().texts().size(), 1); // the question only
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 1);
    EXPECT_EQ(fokus(), QStringLiteral("EAnkunft"));
    EXPECT_EQ(zeilen(QStringLiteral("T_MIREL")), vorher);
}

TEST_F(EingabeFenster, PrivatfahrtOhneOrteNutztKeineAngabe)
{
    oeffnen(fahrzeugMitLetzterFahrt());
    eintragen(fenster, {.art = 1, .nach = "keine Angabe", .zweck = "keine Angabe"});
    EXPECT_TRUE(fenster.cbVon->isEnabled());
    fenster.cbVon->setEditText(QStringLiteral("keine Angabe"));
    fenster.btSchliessenSpeichern->click();
    const GespeicherteFahrt fahrt = letzteGespeicherteFahrt();
    EXPECT_EQ(fahrt.start, QStringLiteral("keine Angabe"));
    EXPECT_EQ(fahrt.ziel, QStringLiteral("keine Angabe"));
    EXPECT_EQ(fahrt.art, 2);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_ORTE WHERE Bezeichnung = 'keine Angabe'"), 1);
}

TEST_F(EingabeFenster, OhneStartortAbgelehnt)
{
    const int kfz = build::fahrzeug({.kennzeichen = QStringLiteral("N-EU 1"), .anfKm = 12345,
                                     .start = QDateTime(QDate(2006, 1, 1), QTime(0, 0))});
    oeffnen(kfz);
    eintragen(fenster, {});
    fenster.btSchliessenSpeichern->click();
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QStringLiteral("Sie müssen das Feld \"Von\" ausfüllen.")});
    EXPECT_EQ(fokus(), QStringLiteral("cbVon"));
}

TEST_F(EingabeFenster, NeuerOrtErstMitDerGespeichertenFahrtAngelegt)
{
    oeffnen(fahrzeugMitLetzterFahrt());
    // Refused for its time: the names are resolved only together with a stored trip.
    eintragen(fenster, {.abfahrt = "24:00", .nach = "Neustadt", .zweck = "Lieferung"});
    fenster.btSchliessenSpeichern->click();
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_ORTE WHERE Bezeichnung = 'Neustadt'"), 0);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_ZWECK WHERE Bezeichnung = 'Lieferung'"), 0);
    // The lists stay as loaded until the next save.
    EXPECT_EQ(fenster.Cbnach->findText(QStringLiteral("Neustadt")), -1);

    ScriptedPrompts::get().clear();
    eintragen(fenster, {.nach = "Neustadt"});
    fenster.btSchliessenSpeichern->click();
    eintragen(fenster, {.abfahrt = "10:00", .ankunft = "10:30", .nach = "Neustadt", .ekmStand = "12400"});
    fenster.btSchliessenSpeichern->click();
    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty());
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_ORTE WHERE Bezeichnung = 'Neustadt'"), 1);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE Ziel = (SELECT ID FROM T_ORTE WHERE "
                                      "Bezeichnung = 'Neustadt')"),
              2);
}

TEST_F(EingabeFenster, KleingeschriebenerOrtIstDerGespeicherte)
{
    oeffnen(fahrzeugMitLetzterFahrt());
    const int orteVorher = zeilen(QStringLiteral("T_ORTE"));
    // "zuhause" is Zuhause, "BESPRECHUNG" the stored purpose: the evaluation's filters stay whole.
    eintragen(fenster, {.nach = "zuhause", .zweck = "BESPRECHUNG"});
    fenster.btSchliessenSpeichern->click();
    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty());
    EXPECT_EQ(zeilen(QStringLiteral("T_ORTE")), orteVorher);
    const GespeicherteFahrt fahrt = letzteGespeicherteFahrt();
    EXPECT_EQ(fahrt.ziel, QStringLiteral("Zuhause"));
    EXPECT_EQ(fahrt.zweck, QStringLiteral("Besprechung"));
}

TEST_F(EingabeFenster, TexteMitAnfuehrungszeichenUnveraendert)
{
    oeffnen(fahrzeugMitLetzterFahrt());
    eintragen(fenster, {.nach = "Bäckerei \"Zum Korn\"", .zweck = "Kunde's Termin"});
    fenster.MBemerkungen->setPlainText(QStringLiteral("Stau auf der \"A7\", 'lang'"));
    fenster.btSchliessenSpeichern->click();
    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty());
    const GespeicherteFahrt fahrt = letzteGespeicherteFahrt();
    EXPECT_EQ(fahrt.ziel, QStringLiteral("Bäckerei \"Zum Korn\""));
    EXPECT_EQ(fahrt.zweck, QStringLiteral("Kunde's Termin"));
    EXPECT_EQ(fahrt.bemerkung, QStringLiteral("Stau auf der \"A7\", 'lang'"));
    EXPECT_EQ(fenster.sgLFahrt->item(0, 2)->text(), QStringLiteral("Bäckerei \"Zum Korn\""));
    EXPECT_EQ(fenster.sgLFahrt->item(0, 3)->text(), QStringLiteral("Kunde's Termin"));
}

TEST_F(EingabeFenster, StammfahrtWirdEinmalGespeichert)
{
    oeffnen(fahrzeugMitLetzterFahrt());
    int beepsVorher = 0;
    for (const char* abfahrt : {"09:00", "10:00"}) {
        beepsVorher = ScriptedPrompts::get().beeps();
        eintragen(fenster, {.abfahrt = abfahrt, .ankunft = "", .nach = "Kunde", .ekm = "20"});
        fenster.EAnkunft->setText(QString::fromLatin1(abfahrt).replace(3, 1, QLatin1Char('3')));
        fenster.cbVon->setEditText(QStringLiteral("Büro"));
        fenster.EkmStand->setText(QString::number(fenster.sgLFahrt->item(0, 4)->text().toInt() + 20));
        fenster.cbxStammfahrt->setChecked(true);
        fenster.btSchliessenSpeichern->click();
    }
    EXPECT_EQ(zeilen(QStringLiteral("T_STAMMFAHRTEN")), 1);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT KM FROM T_STAMMFAHRTEN"), 20);
    // The second save beeps for the stored standard trip; the list from Kunde is empty and beeps too.
    EXPECT_EQ(ScriptedPrompts::get().beeps() - beepsVorher, 2);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE km_an > 12345"), 2);
    EXPECT_FALSE(fenster.cbxStammfahrt->isChecked());
}

TEST_F(EingabeFenster, FehlschlagSpeichertNichtsVonDerFahrt)
{
    oeffnen(fahrzeugMitLetzterFahrt());
    SqlStatement("CREATE TRIGGER kaputt BEFORE INSERT ON T_STAMMFAHRTEN BEGIN SELECT RAISE(ABORT, 'Platte voll'); END")
        .exec();
    eintragen(fenster, {});
    fenster.cbxStammfahrt->setChecked(true);
    const int vorher = zeilen(QStringLiteral("T_MIREL"));
    EXPECT_THROW(fenster.btSchliessenSpeichernClick(), DatabaseError);
    EXPECT_EQ(zeilen(QStringLiteral("T_MIREL")), vorher);
}

TEST_F(EingabeFenster, FahrtEinesAnderenBenutzersZeigtDieMeldungUndDieNeueLetzteFahrt)
{
    const int kfz = fahrzeugMitLetzterFahrt();
    oeffnen(kfz);
    eintragen(fenster, {});
    kollegeSpeichertEineFahrt(kfz);
    const int vorher = zeilen(QStringLiteral("T_MIREL"));
    fenster.btSchliessenSpeichern->click();

    EXPECT_EQ(ScriptedPrompts::get().texts(),
              QStringList{QStringLiteral("Inzwischen wurde eine weitere Fahrt dieses Fahrzeugs gespeichert (Ankunft "
                                         "12.03.2006 08:40:00, Kilometerstand 12360). Ihre Fahrt wurde nicht "
                                         "gespeichert; die letzte Fahrt wird neu angezeigt.")});
    EXPECT_EQ(zeilen(QStringLiteral("T_MIREL")), vorher);
    EXPECT_EQ(fenster.sgLFahrt->item(0, 0)->text(), QStringLiteral("12.03 08:40"));
    EXPECT_EQ(fenster.sgLFahrt->item(0, 4)->text(), QStringLiteral("12360"));
    // The refusal beeps and keeps what was typed; the start place follows the new last trip.
    EXPECT_EQ(ScriptedPrompts::get().beeps(), 1);
    const Eingabe getippt{};
    EXPECT_EQ(fenster.Cbnach->currentText(), QString::fromUtf8(getippt.nach));
    EXPECT_EQ(fenster.Ekm->text(), QString::fromUtf8(getippt.ekm));
    EXPECT_EQ(Eingabefeldregeln::zeittext(fenster.EAbfahrt), QString::fromUtf8(getippt.abfahrt));
    EXPECT_EQ(fenster.cbVon->currentText(), QStringLiteral("Hafen"));
}

TEST_F(EingabeFenster, KorrekturInEinemAnderenFensterFrischtDieLetzteFahrtAufUndLaesstDieEingaben)
{
    const int kfz = fahrzeugMitLetzterFahrt();
    oeffnen(kfz);
    eintragen(fenster, {});
    kollegeSpeichertEineFahrt(kfz);
    db.sitzung().fahrtenbuchGeaendertMelden();

    EXPECT_TRUE(ScriptedPrompts::get().shown().empty());
    EXPECT_EQ(fenster.sgLFahrt->item(0, 4)->text(), QStringLiteral("12360"));
    EXPECT_EQ(fenster.cbVon->currentText(), QStringLiteral("Hafen"));
    const Eingabe getippt{};
    EXPECT_EQ(fenster.Cbnach->currentText(), QString::fromUtf8(getippt.nach));
    EXPECT_EQ(fenster.Ekm->text(), QString::fromUtf8(getippt.ekm));
}
