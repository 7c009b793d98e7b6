#include "card/datafile/CardFile.h"
#include "card/datafile/ResetTemplate.h"
#include "card/ui/TF_Varno_Datei.h"
#include "db/SqlStatement.h"
#include "platform/FakeVolumeSerial.h"
#include "support/CardFileBuilder.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList spalte(const QTableWidget* liste)
{
    QStringList texte;
    for (int zeile = 0; zeile < liste->rowCount(); ++zeile)
        texte << (liste->item(zeile, 0) ? liste->item(zeile, 0)->text() : QString());
    return texte;
}

QStringList aufgefuellt(QStringList texte)
{
    while (texte.size() < 30)
        texte << QString();
    return texte;
}

cardfile::CardList kartenliste(std::initializer_list<const char*> texte)
{
    cardfile::CardList liste;
    std::size_t i = 0;
    for (const char* text : texte)
        liste[i++] = text;
    return liste;
}

QStringList comboEintraege(const QComboBox* box)
{
    QStringList texte;
    for (int i = 0; i < box->count(); ++i)
        texte << box->itemText(i);
    return texte;
}

int kartenzuordnungen()
{
    return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_CF"));
}

class VarnoDateiTest : public ::testing::Test {
protected:
    void karte(const cardfile::CardLists& listen = {})
    {
        CardFileBuilder().lists(listen).freeBlock().write(datei);
    }

    // As the user does: the window comes up showing the remembered path, then "Einlesen".
    void einlesen()
    {
        build::optionen(QStringLiteral("CF_Pfad"), datei);
        fenster.FormActivate();
        fenster.BtOKClick();
    }

    void speichern()
    {
        fenster.BtspeichernClick();
    }

    TestDatabase db;
    FakeVolumeSerial* kennung = new FakeVolumeSerial(QStringLiteral("4711"));
    TF_Varno_Datei fenster{std::unique_ptr<VolumeSerial>(kennung)};
    QString datei = db.directory() + QStringLiteral("/daten.txt");
};

} // namespace

TEST_F(VarnoDateiTest, FrischZurueckgesetzteKarteZeigtDreimal30LeereZeilen)
{
    cardfile::writeResetTemplate(datei.toStdString());
    for (QTableWidget* liste : {fenster.SGOrte, fenster.SGGruende, fenster.SGKategorien})
        liste->item(7, 0)->setText(QStringLiteral("von vorher"));
    einlesen();
    for (const QTableWidget* liste : {fenster.SGOrte, fenster.SGGruende, fenster.SGKategorien})
        EXPECT_EQ(spalte(liste), QStringList(30, QString()));
    EXPECT_TRUE(fenster.Btspeichern->isEnabled());
    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty());
}

TEST_F(VarnoDateiTest, EinlesenFuelltKartenUndDatenbanklisten)
{
    build::ort(QStringLiteral("Werk"));
    build::ort(QStringLiteral("Büro"));
    build::zweck(QStringLiteral("Montage"));
    karte({kartenliste({"Lager Nord", "", "Hafen"}), kartenliste({"Lieferung"}), kartenliste({"Dienstfahrt"})});
    einlesen();
    EXPECT_EQ(spalte(fenster.SGOrte), aufgefuellt({"Lager Nord", "", "Hafen"}));
    EXPECT_EQ(spalte(fenster.SGGruende), aufgefuellt({"Lieferung"}));
    EXPECT_EQ(spalte(fenster.SGKategorien), aufgefuellt({"Dienstfahrt"}));
    EXPECT_EQ(spalte(fenster.SGOrteDB), (QStringList{"Büro", "Werk"}));
    // German order: small and capital letters alike.
    EXPECT_EQ(spalte(fenster.SGGruendeDB), (QStringList{"keine Angabe", "Montage"}));
    // No category in the database: one empty row all the same.
    EXPECT_EQ(spalte(fenster.SGKatDB), QStringList{QString()});
    EXPECT_EQ(fenster.ECFID->text(), QStringLiteral("4711"));
}

TEST_F(VarnoDateiTest, SpeichernUndWiederEinlesenGibtDieselben90Eintraege)
{
    karte();
    einlesen();
    const QString dreissig = QStringLiteral("Ä").repeated(30);
    for (int zeile = 0; zeile < 30; ++zeile) {
        fenster.SGOrte->item(zeile, 0)->setText(QStringLiteral("Ort %1").arg(zeile));
        fenster.SGGruende->item(zeile, 0)->setText(zeile == 29 ? dreissig : QStringLiteral("Grund %1").arg(zeile));
        fenster.SGKategorien->item(zeile, 0)->setText(zeile % 2 ? QString() : QStringLiteral("Kat %1").arg(zeile));
    }
    const QStringList orte = spalte(fenster.SGOrte);
    const QStringList gruende = spalte(fenster.SGGruende);
    const QStringList kategorien = spalte(fenster.SGKategorien);
    speichern();
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{"Daten wurden gesichert"});

    for (QTableWidget* liste : {fenster.SGOrte, fenster.SGGruende, fenster.SGKategorien})
        for (int zeile = 0; zeile < 30; ++zeile)
            liste->item(zeile, 0)->setText(QString());
    einlesen();
    EXPECT_EQ(spalte(fenster.SGOrte), orte);
    EXPECT_EQ(spalte(fenster.SGGruende), gruende);
    EXPECT_EQ(spalte(fenster.SGKategorien), kategorien);
}

TEST_F(VarnoDateiTest, SpeichernLaesstDieAufzeichnungenHinterDemKopfUnveraendert)
{
    cardfile::CardRecord fahrt;
    fahrt.startTime = at(2005, 3, 14, 8, 15, 30);
    fahrt.startKm = 45210;
    fahrt.endTime = at(2005, 3, 14, 8, 52, 10);
    fahrt.endKm = 45242;
    fahrt.vehicleNumber = 7;
    fahrt.place = "Lager Nord";
    CardFileBuilder().record(fahrt).record(fahrt).freeBlock().filledBlock(0x5A).write(datei);
    const std::vector<std::uint8_t> vorher = readAllBytes(datei);
    einlesen();
    fenster.SGOrte->item(0, 0)->setText(QStringLiteral("Neuer Ort"));
    speichern();
    const std::vector<std::uint8_t> nachher = readAllBytes(datei);
    ASSERT_EQ(nachher.size(), vorher.size());
    EXPECT_TRUE(std::equal(vorher.begin() + 3072, vorher.end(), nachher.begin() + 3072));
    EXPECT_FALSE(std::equal(vorher.begin(), vorher.begin() + 3072, nachher.begin()));
    EXPECT_EQ(cardfile::readCardLists(datei.toStdString()).places[0], "Neuer Ort");
}

TEST_F(VarnoDateiTest, SpeichernIstNachDemSichernBisZumNaechstenEinlesenGesperrt)
{
    karte();
    einlesen();
    ASSERT_TRUE(fenster.Btspeichern->isEnabled());
    speichern();
    EXPECT_FALSE(fenster.Btspeichern->isEnabled());
    fenster.FormActivate();
    EXPECT_FALSE(fenster.Btspeichern->isEnabled());
    fenster.BtOKClick();
    EXPECT_TRUE(fenster.Btspeichern->isEnabled());
}

TEST_F(VarnoDateiTest, JedeAktivierungSperrtSpeichernUndLaesstDieListen)
{
    karte({kartenliste({"Hafen"}), {}, {}});
    einlesen();
    fenster.FormActivate();
    EXPECT_FALSE(fenster.Btspeichern->isEnabled());
    EXPECT_EQ(fenster.SGOrte->item(0, 0)->text(), QStringLiteral("Hafen"));
}

TEST_F(VarnoDateiTest, KarteMitFahrerZeigtNurIhnGesperrt)
{
    const int anna = build::fahrer(QStringLiteral("Anna"));
    build::fahrer(QStringLiteral("Bernd"));
    SqlStatement(QStringLiteral("INSERT INTO T_CF (CF, Fahrer) VALUES ('4711', ?)")).bind(anna).exec();
    karte();
    einlesen();
    EXPECT_EQ(comboEintraege(fenster.CBFahrer), QStringList{"Anna"});
    EXPECT_EQ(fenster.CBFahrer->currentText(), QStringLiteral("Anna"));
    EXPECT_FALSE(fenster.CBFahrer->isEnabled());
}

TEST_F(VarnoDateiTest, KarteOhneFahrerBietetAlleFahrerOhneVorauswahl)
{
    build::fahrer(QStringLiteral("Bernd"));
    build::fahrer(QStringLiteral("Anna"));
    karte();
    einlesen();
    EXPECT_EQ(comboEintraege(fenster.CBFahrer), (QStringList{"Anna", "Bernd"}));
    EXPECT_TRUE(fenster.CBFahrer->isEnabled());
    EXPECT_EQ(fenster.CBFahrer->currentText(), QString());
}

TEST_F(VarnoDateiTest, OhneKartenkennungBleibenKennungUndFahrerWieSieWaren)
{
    karte();
    fenster.ECFID->setText(QStringLiteral("alt"));
    fenster.CBFahrer->addItem(QStringLiteral("Vorher"));
    kennung->setIdentifier(std::nullopt);
    einlesen();
    EXPECT_EQ(fenster.ECFID->text(), QStringLiteral("alt"));
    EXPECT_EQ(comboEintraege(fenster.CBFahrer), QStringList{"Vorher"});
    EXPECT_TRUE(fenster.Btspeichern->isEnabled());
}

TEST_F(VarnoDateiTest, GetippterNeuerFahrerWirdAngelegtUndZugeordnet)
{
    karte();
    einlesen();
    fenster.CBFahrer->setEditText(QStringLiteral("Clara"));
    speichern();
    EXPECT_EQ(SqlStatement::scalarInt(
                  QStringLiteral("SELECT COUNT(*) FROM T_CF JOIN T_Fahrer ON T_Fahrer.ID = T_CF.Fahrer "
                                 "WHERE T_CF.CF = '4711' AND T_Fahrer.Bezeichnung = 'Clara'")),
              1);
    einlesen();
    EXPECT_EQ(comboEintraege(fenster.CBFahrer), QStringList{"Clara"});
    EXPECT_FALSE(fenster.CBFahrer->isEnabled());
}

TEST_F(VarnoDateiTest, GetippterVorhandenerNameOrdnetDiesenFahrerZu)
{
    const int anna = build::fahrer(QStringLiteral("Anna"));
    karte();
    einlesen();
    fenster.CBFahrer->setEditText(QStringLiteral("Anna"));
    speichern();
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_Fahrer")), 1);
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT Fahrer FROM T_CF WHERE CF = '4711'")), anna);
}

TEST_F(VarnoDateiTest, LeeresFahrerfeldSpeichertKeineZuordnung)
{
    build::fahrer(QStringLiteral("Anna"));
    karte();
    einlesen();
    fenster.CBFahrer->setEditText(QStringLiteral("   "));
    speichern();
    EXPECT_EQ(kartenzuordnungen(), 0);
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{"Daten wurden gesichert"});
}

TEST_F(VarnoDateiTest, ScheiterndesSchreibenMeldetDenFehlerUndSpeichertNichts)
{
    karte();
    einlesen();
    fenster.CBFahrer->setEditText(QStringLiteral("Clara"));
    ASSERT_TRUE(QFile::remove(datei));
    speichern();
    const QStringList texte = ScriptedPrompts::get().texts();
    ASSERT_EQ(texte.size(), 1);
    EXPECT_TRUE(texte[0].contains(datei)) << texte[0].toStdString();
    EXPECT_EQ(ScriptedPrompts::get().shown().back().title, QStringLiteral("Fehler"));
    EXPECT_EQ(kartenzuordnungen(), 0);
    EXPECT_FALSE(QFile::exists(datei));
}

namespace {

struct DateiFall {
    const char* name;
    std::vector<std::uint8_t> inhalt; // empty: no file
    const char* meldung;
};

class VarnoDateiPruefung : public VarnoDateiTest, public ::testing::WithParamInterface<DateiFall> {};

} // namespace

TEST_P(VarnoDateiPruefung, AbgelehnteDateiSperrtEinlesenUndWirdNichtGemerkt)
{
    const DateiFall& fall = GetParam();
    const QString andere = db.directory() + QStringLiteral("/andere.txt");
    if (!fall.inhalt.empty())
        CardFileBuilder().rawHeader(fall.inhalt).write(andere);
    build::optionen(QStringLiteral("CF_Pfad"), QStringLiteral("/alt/daten.txt"));
    fenster.FormActivate();
    ScriptedPrompts::get().answerPath(andere);
    fenster.BtAendernClick();
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QString::fromUtf8(fall.meldung)});
    EXPECT_FALSE(fenster.BtOK->isEnabled());
    EXPECT_EQ(fenster.EPfad->text(), QStringLiteral("/alt/daten.txt"));
}

INSTANTIATE_TEST_SUITE_P(Faelle, VarnoDateiPruefung,
                         ::testing::Values(DateiFall{"fehlt", {}, "Fehler bei Dateizugriff"},
                                           DateiFall{"fremd", {'H', 'a', 'l', 'l', 'o', '\n'}, "keine Varno Datendatei"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(VarnoDateiTest, GewaehlteDatendateiWirdGemerktAberNichtGelesen)
{
    karte({kartenliste({"Hafen"}), {}, {}});
    fenster.FormActivate();
    ScriptedPrompts::get().answerPath(datei);
    fenster.BtAendernClick();
    EXPECT_EQ(ScriptedPrompts::get().shown().front().filter, QStringLiteral("Varno Datendatei (*.TXT *.txt)"));
    EXPECT_TRUE(fenster.BtOK->isEnabled());
    EXPECT_EQ(fenster.EPfad->text(), datei);
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_Optionen WHERE CF_Pfad = ?"), {datei}), 1);
    EXPECT_EQ(fenster.SGOrte->item(0, 0)->text(), QString());
    EXPECT_FALSE(fenster.Btspeichern->isEnabled());
}

TEST_F(VarnoDateiTest, ZuKurzeDateiMeldetLesefehlerUndLaesstDieListen)
{
    karte({kartenliste({"Hafen"}), {}, {}});
    einlesen();
    fenster.FormActivate();
    std::vector<std::uint8_t> kurz = readAllBytes(datei);
    kurz.resize(3000);
    CardFileBuilder().rawHeader(kurz).write(datei);
    ScriptedPrompts::get().clear();
    fenster.BtOKClick();
    EXPECT_EQ(ScriptedPrompts::get().texts().size(), 1);
    EXPECT_EQ(fenster.SGOrte->item(0, 0)->text(), QStringLiteral("Hafen"));
    EXPECT_FALSE(fenster.Btspeichern->isEnabled());
}

namespace {

class VarnoDateiListen : public VarnoDateiTest {
protected:
    void SetUp() override
    {
        build::ort(QStringLiteral("Hafen"));
        build::ort(QStringLiteral("Werk"));
        cardfile::CardList zehn;
        for (std::size_t i = 0; i < 10; ++i)
            zehn[i] = std::string(1, static_cast<char>('A' + i));
        karte({zehn, zehn, zehn});
        einlesen();
    }
};

} // namespace

TEST_F(VarnoDateiListen, LinksPfeilUebernimmtDenGewaehltenNamen)
{
    fenster.Tab->setCurrentWidget(fenster.TabSheet1);
    fenster.SGOrteDB->setCurrentCell(1, 0);
    fenster.SGOrte->setCurrentCell(12, 0);
    fenster.Btlinks->click();
    EXPECT_EQ(fenster.SGOrte->item(12, 0)->text(), QStringLiteral("Werk"));
    EXPECT_EQ(fenster.SGOrte->currentRow(), 12);
}

TEST_F(VarnoDateiListen, NachDemEinlesenArbeitenDieKnoepfeOhneKlick)
{
    for (const QTableWidget* liste : {fenster.SGOrte, fenster.SGGruende, fenster.SGKategorien, fenster.SGOrteDB,
                                      fenster.SGGruendeDB, fenster.SGKatDB})
        EXPECT_EQ(liste->currentRow(), 0) << liste->objectName().toStdString();
    fenster.Btlinks->click();
    EXPECT_EQ(fenster.SGOrte->item(0, 0)->text(), QStringLiteral("Hafen"));
    fenster.BttiefG->click();
    EXPECT_EQ(spalte(fenster.SGGruende).mid(0, 3), (QStringList{"B", "A", "C"}));
}

TEST_F(VarnoDateiListen, LoeschenInZeile5RuecktDieFolgendenNachOben)
{
    fenster.SGGruende->setCurrentCell(5, 0);
    fenster.BtloeschenG->click();
    EXPECT_EQ(spalte(fenster.SGGruende), aufgefuellt({"A", "B", "C", "D", "E", "G", "H", "I", "J"}));
    EXPECT_EQ(fenster.SGGruende->currentRow(), 5);
}

TEST_F(VarnoDateiListen, HoeherInDerErstenUndTieferInDerLetztenZeileAendernNichts)
{
    const QStringList vorher = spalte(fenster.SGKategorien);
    fenster.SGKategorien->setCurrentCell(0, 0);
    fenster.BthochK->click();
    EXPECT_EQ(fenster.SGKategorien->currentRow(), 0);
    fenster.SGKategorien->setCurrentCell(29, 0);
    fenster.BttieferK->click();
    EXPECT_EQ(fenster.SGKategorien->currentRow(), 29);
    EXPECT_EQ(spalte(fenster.SGKategorien), vorher);
}

TEST_F(VarnoDateiListen, HoeherUndTieferNehmenAuswahlUndAnsichtMit)
{
    fenster.show();
    QScrollBar* leiste = fenster.SGOrte->verticalScrollBar();
    ASSERT_GT(leiste->maximum(), 10);
    leiste->setValue(5);
    fenster.SGOrte->setCurrentCell(8, 0);
    leiste->setValue(5);
    fenster.Bthoch->click();
    EXPECT_EQ(fenster.SGOrte->item(7, 0)->text(), QStringLiteral("I"));
    EXPECT_EQ(fenster.SGOrte->item(8, 0)->text(), QStringLiteral("H"));
    EXPECT_EQ(fenster.SGOrte->currentRow(), 7);
    EXPECT_EQ(leiste->value(), 4);
    fenster.Btrunter->click();
    fenster.Btrunter->click();
    EXPECT_EQ(fenster.SGOrte->item(9, 0)->text(), QStringLiteral("I"));
    EXPECT_EQ(fenster.SGOrte->currentRow(), 9);
    EXPECT_EQ(leiste->value(), 6);
}

TEST_F(VarnoDateiTest, ZuLangerEintragWirdAuf30ZeichenGekuerzt)
{
    karte();
    einlesen();
    fenster.SGOrte->item(0, 0)->setText(QStringLiteral("Großbaustelle Nordring, Tor 12 West"));
    speichern();
    einlesen();
    EXPECT_EQ(fenster.SGOrte->item(0, 0)->text(), QStringLiteral("Großbaustelle Nordring, Tor 12"));
    EXPECT_EQ(fenster.SGOrte->item(1, 0)->text(), QString());
}

TEST_F(VarnoDateiTest, ScheiterndeFahrerzuordnungMeldetKeinenErfolg)
{
    karte();
    einlesen();
    fenster.CBFahrer->setEditText(QStringLiteral("Clara"));
    SqlStatement(QStringLiteral("DROP TABLE T_CF")).exec();
    // A click, so the failure reaches the program's error box as it would for the user.
    QTest::mouseClick(fenster.Btspeichern, Qt::LeftButton);
    const QStringList texte = ScriptedPrompts::get().texts();
    ASSERT_EQ(texte.size(), 1);
    EXPECT_EQ(ScriptedPrompts::get().shown().back().title, QStringLiteral("Varno"));
    EXPECT_FALSE(texte.contains(QStringLiteral("Daten wurden gesichert")));
}
