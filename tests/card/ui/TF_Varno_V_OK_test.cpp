#include "card/ui/TF_Varno_V_OK.h"
#include "common/Clock.h"
#include "db/DatabaseError.h"
#include "db/SqlStatement.h"
#include "platform/FakeVolumeSerial.h"
#include "support/CardFileBuilder.h"
#include "support/ScriptedPrompts.h"
#include "support/Spaltenwerte.h"
#include "support/TestDatabase.h"
#include "support/ui/Paletten.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

using cardfile::CardRecord;

namespace {

const QString karteId = QStringLiteral("2882343476");

using karte::fahrt;

int zeilen(const QString& tabelle)
{
    return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM %1").arg(tabelle));
}

class VarnoVOKTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0, 5)));
        build::fahrzeug({.kennzeichen = "HH-AB 123", .eingabeart = 1, .kfzId = 7});
        fahrerId = build::fahrer("Meier");
        ASSERT_TRUE(QDir(db.directory()).mkpath("karte"));
    }

    void karteHatFahrer(int fahrer)
    {
        SqlStatement("INSERT INTO T_CF (CF, Fahrer) VALUES (?, ?)").bind(karteId).bind(fahrer).exec();
    }

    QString karte(const CardFileBuilder& builder)
    {
        builder.write(pfad);
        return pfad;
    }

    QString zelle(const QTableView* liste, int zeile, int spalte)
    {
        return liste->model()->index(zeile, spalte).data().toString();
    }

    // Three trips (the second of 225 km/h, so red) and two waypoints: five blocks.
    QString karteMitDreiFahrten()
    {
        CardRecord mitCf = fahrt(0, 10, "Lager \"Nord\"");
        CardRecord ohneCf = fahrt(20, 12, "Hafen");
        ohneCf.status = 1;
        CardRecord zuSchnell = fahrt(10, 150);
        zuSchnell.endTime = at(2005, 3, 14, 8, 50, 30);
        return karte(CardFileBuilder()
                         .record(mitCf)
                         .waypoint(at(2005, 3, 14, 9, 0, 5), 45220, 7)
                         .record(zuSchnell)
                         .record(ohneCf)
                         .waypoint(at(2005, 3, 14, 11, 0), 45242, 7)
                         .freeBlock());
    }

    TestDatabase db;
    int fahrerId = 0;
    QString pfad = db.directory() + "/karte/daten.txt";
    FakeVolumeSerial* kennung = new FakeVolumeSerial(karteId);
    TF_Varno_V_OK fenster{std::unique_ptr<VolumeSerial>(kennung)};
};

TEST_F(VarnoVOKTest, ZeigtFahrtenUndMerkpunkteMitDenZelltexten)
{
    karteHatFahrer(fahrerId);
    fenster.einlesen(karteMitDreiFahrten());

    ASSERT_EQ(fenster.StringGrid1->model()->rowCount(), 3);
    QStringList ersteZeile;
    for (int s = 0; s < 11; ++s)
        ersteZeile << zelle(fenster.StringGrid1, 0, s);
    EXPECT_EQ(ersteZeile, (QStringList{"14.03.2005 08:00:30", "45210", "14.03.2005 09:00:10", "45220", "7 - HH-AB 123",
                                       "OK", "G", "Lager \"Nord\"", "Lieferung", "Dienstfahrt", ""}));
    EXPECT_EQ(zelle(fenster.StringGrid1, 2, 5), QString());
    EXPECT_EQ(fenster.StringGrid1->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Startzeit"));
    ASSERT_EQ(fenster.SGMerkPunkte->model()->rowCount(), 2);
    EXPECT_EQ(zelle(fenster.SGMerkPunkte, 0, 0), QStringLiteral("14.03.2005 09:00:05"));
    EXPECT_EQ(zelle(fenster.SGMerkPunkte, 0, 1), QStringLiteral("45220"));
    EXPECT_EQ(zelle(fenster.SGMerkPunkte, 0, 2), QStringLiteral("7 - HH-AB 123"));
    EXPECT_EQ(fenster.bloecke(), 5u);
    EXPECT_EQ(fenster.ECFID->text(), karteId);
    EXPECT_EQ(fenster.CBFahrer->currentText(), QStringLiteral("Meier"));
    EXPECT_FALSE(fenster.CBFahrer->isEnabled());
    EXPECT_TRUE(fenster.BtSpeichern->isEnabled());
    EXPECT_EQ(fenster.fahrten().rot(1), true);
    EXPECT_EQ(fenster.StringGrid1->model()->index(0, 10).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 128, 0));
    EXPECT_EQ(fenster.StringGrid1->model()->index(1, 10).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_EQ(spalte("SELECT CF_Pfad FROM T_Optionen"), QStringList{pfad});
}

TEST_F(VarnoVOKTest, UebernimmtGrueneFahrtenUndLoeschtAlleGelesenenBloecke)
{
    karteHatFahrer(fahrerId);
    fenster.einlesen(karteMitDreiFahrten());
    const std::vector<std::uint8_t> vorher = readAllBytes(pfad);

    fenster.BtSpeichernClick();

    EXPECT_EQ(spalte("SELECT Startzeit || ' ' || Startkm || ' ' || Zielzeit || ' ' || CF || ' ' || Ort || ' ' || "
                     "CFID || ' ' || Einlesedat || ' ' || KFZid || ' ' || Art || Grund || Kat || bearbeitet "
                     "FROM T_basis ORDER BY ID"),
              (QStringList{"2005-03-14 08:00:30 45210 2005-03-14 09:00:10 0 Lager \"Nord\" 2882343476 "
                           "2006-06-01 10:00:05 7 - HH-AB 123 GLieferungDienstfahrt0",
                           "2005-03-14 08:20:30 45230 2005-03-14 09:20:10 1 Hafen 2882343476 "
                           "2006-06-01 10:00:05 7 - HH-AB 123 GLieferungDienstfahrt0"}));
    EXPECT_EQ(spalte("SELECT Zeit || ' ' || KM || ' ' || Fahrer || ' ' || KFZ FROM T_Merkpunkte ORDER BY Zeit"),
              (QStringList{"2005-03-14 09:00:05 45220 2882343476 7 - HH-AB 123",
                           "2005-03-14 11:00:00 45242 2882343476 7 - HH-AB 123"}));
    const std::vector<std::uint8_t> nachher = readAllBytes(pfad);
    ASSERT_EQ(nachher.size(), vorher.size());
    EXPECT_TRUE(std::all_of(nachher.begin() + 3072, nachher.begin() + 5632, [](auto b) { return b == 0xFF; }));
    EXPECT_TRUE(std::equal(nachher.begin(), nachher.begin() + 3072, vorher.begin()));
    EXPECT_EQ(fenster.StringGrid1->model()->rowCount(), 0);
    EXPECT_FALSE(fenster.BtSpeichern->isEnabled());
}

TEST_F(VarnoVOKTest, UebernehmenLaesstDieBloeckeHinterDenGelesenenUnberuehrt)
{
    karteHatFahrer(fahrerId);
    // The records end at a used block, not at a free one: a zeroed block with a stranded record behind it.
    fenster.einlesen(karte(CardFileBuilder()
                               .record(fahrt(0, 10))
                               .waypoint(at(2005, 3, 14, 9, 0, 5), 45220, 7)
                               .record(fahrt(20, 12))
                               .filledBlock(0x00)
                               .record(fahrt(40, 5))));
    ASSERT_EQ(fenster.bloecke(), 3u);
    const std::vector<std::uint8_t> vorher = readAllBytes(pfad);

    fenster.BtSpeichernClick();

    constexpr std::size_t geloeschtBis = 3072 + 3 * 512;
    const std::vector<std::uint8_t> nachher = readAllBytes(pfad);
    ASSERT_EQ(nachher.size(), vorher.size());
    EXPECT_TRUE(std::all_of(nachher.begin() + 3072, nachher.begin() + geloeschtBis, [](auto b) { return b == 0xFF; }));
    EXPECT_TRUE(std::equal(nachher.begin() + geloeschtBis, nachher.end(), vorher.begin() + geloeschtBis));
}

// What lies in the drive when "Daten übernehmen" is pressed after reading card A.
struct Kartenwechsel {
    const char* name;
    std::optional<QString> kennung; // what the drive's file system tells now
    bool andereFahrten;             // card B's five trips instead of card A's bytes
};

class VarnoVOKKartenwechsel : public VarnoVOKTest, public ::testing::WithParamInterface<Kartenwechsel> {};

TEST_P(VarnoVOKKartenwechsel, LoeschtNichtsUndBittetUmNeuesEinlesen)
{
    karteHatFahrer(fahrerId);
    fenster.einlesen(karteMitDreiFahrten());
    if (GetParam().andereFahrten) {
        CardFileBuilder karteB;
        for (int i = 0; i < 5; ++i)
            karteB.record(fahrt(i * 10, 5, "Kunde"));
        karte(karteB.freeBlock());
    }
    kennung->setIdentifier(GetParam().kennung);
    const std::vector<std::uint8_t> imLaufwerk = readAllBytes(pfad);

    fenster.BtSpeichernClick();

    EXPECT_EQ(readAllBytes(pfad), imLaufwerk);
    EXPECT_EQ(ScriptedPrompts::get().texts(),
              QStringList{QStringLiteral("Die Speicherkarte wurde seit dem Einlesen gewechselt oder verändert. Die "
                                         "Fahrten wurden übernommen, von der Speicherkarte wurde nichts gelöscht. "
                                         "Bitte lesen Sie die Speicherkarte erneut ein.")});
    // Card A's green trips stay stored.
    EXPECT_EQ(spalte("SELECT Startkm FROM T_basis ORDER BY ID"), (QStringList{"45210", "45230"}));
    EXPECT_EQ(fenster.StringGrid1->model()->rowCount(), 0);
    EXPECT_FALSE(fenster.BtSpeichern->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, VarnoVOKKartenwechsel,
    ::testing::Values(Kartenwechsel{"AndereKarte", QStringLiteral("1111"), true},
                      Kartenwechsel{"GleicheKennungAndereFahrten", karteId, true},
                      Kartenwechsel{"AndereKennungGleicheBytes", QStringLiteral("1111"), false},
                      Kartenwechsel{"KeineKennungMehr", std::nullopt, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VarnoVOKTest, DoppelklickKehrtDieMarkierungUm)
{
    karteHatFahrer(fahrerId);
    fenster.einlesen(karteMitDreiFahrten());
    fenster.StringGrid1DblClick(fenster.StringGrid1->model()->index(1, 3));
    fenster.StringGrid1DblClick(fenster.StringGrid1->model()->index(2, 0));
    fenster.BtSpeichernClick();
    EXPECT_EQ(spalte("SELECT Startkm FROM T_basis ORDER BY ID"), (QStringList{"45210", "45220"}));
}

TEST_F(VarnoVOKTest, FehlschlagMittenImUebernehmenLaesstDatenbankUndKarteUnveraendert)
{
    karteHatFahrer(fahrerId);
    fenster.einlesen(karteMitDreiFahrten());
    const std::vector<std::uint8_t> vorher = readAllBytes(pfad);
    SqlStatement("CREATE TRIGGER kaputt BEFORE INSERT ON T_basis WHEN NEW.Startkm = 45230 "
                 "BEGIN SELECT RAISE(ABORT, 'Platte voll'); END")
        .exec();

    EXPECT_THROW(fenster.BtSpeichernClick(), DatabaseError);

    EXPECT_EQ(zeilen("T_basis"), 0);
    EXPECT_EQ(zeilen("T_Merkpunkte"), 0);
    EXPECT_EQ(readAllBytes(pfad), vorher);
    EXPECT_EQ(fenster.StringGrid1->model()->rowCount(), 3);
    EXPECT_TRUE(fenster.BtSpeichern->isEnabled());
}

TEST_F(VarnoVOKTest, NachMisslungenemLoeschenSindDieFahrtenBeimNaechstenEinlesenRot)
{
    karteHatFahrer(fahrerId);
    fenster.einlesen(karteMitDreiFahrten());
    // The card becomes unwritable: the path now names a directory.
    ASSERT_TRUE(QFile::rename(pfad, pfad + ".weg"));
    ASSERT_TRUE(QDir().mkdir(pfad));

    fenster.BtSpeichernClick();

    EXPECT_EQ(zeilen("T_basis"), 2);
    EXPECT_TRUE(ScriptedPrompts::get().texts().last().startsWith(
        QStringLiteral("Die Fahrten wurden übernommen, aber nicht von der Speicherkarte gelöscht.")));
    EXPECT_FALSE(fenster.BtSpeichern->isEnabled());

    ASSERT_TRUE(QDir().rmdir(pfad));
    ASSERT_TRUE(QFile::rename(pfad + ".weg", pfad));
    fenster.BtOKClick();
    ASSERT_EQ(fenster.StringGrid1->model()->rowCount(), 3);
    EXPECT_TRUE(fenster.fahrten().rot(0));
    EXPECT_TRUE(fenster.fahrten().rot(2));
    fenster.BtSpeichernClick();
    EXPECT_EQ(zeilen("T_basis"), 2);
    EXPECT_EQ(zeilen("T_Merkpunkte"), 2);
}

TEST_F(VarnoVOKTest, SchliessenUeberDieTitelleisteBehaeltMerkpunkteUndBemerkungen)
{
    karteHatFahrer(fahrerId);
    fenster.einlesen(karteMitDreiFahrten());
    fenster.BtSpeichernClick();
    ScriptedPrompts::get().answerInput(QStringLiteral("Tankstelle 'Süd'"));
    fenster.SGMerkPunkteClick(fenster.SGMerkPunkte->model()->index(1, 0));
    EXPECT_EQ(zelle(fenster.SGMerkPunkte, 1, 3), QStringLiteral("Tankstelle 'Süd'"));

    fenster.close();

    EXPECT_EQ(spalte("SELECT Bemerkung FROM T_Merkpunkte ORDER BY Zeit"),
              (QStringList{"", "Tankstelle 'Süd'"}));
}

TEST_F(VarnoVOKTest, SchliessenOhneUebernahmeSpeichertDieMerkpunkteEinmal)
{
    karteHatFahrer(fahrerId);
    fenster.einlesen(karteMitDreiFahrten());
    ScriptedPrompts::get().answerInput(std::nullopt);
    fenster.SGMerkPunkteClick(fenster.SGMerkPunkte->model()->index(0, 2));
    fenster.BtOKClick();
    fenster.BtabbruchClick();
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_EQ(zeilen("T_Merkpunkte"), 2);
    EXPECT_EQ(zeilen("T_basis"), 0);
    EXPECT_EQ(zeilen("T_CF"), 1);
}

TEST_F(VarnoVOKTest, ZweitesEinlesenZeigtNurDieNeueKarte)
{
    karteHatFahrer(fahrerId);
    fenster.einlesen(karteMitDreiFahrten());
    fenster.einlesen(karteMitDreiFahrten());
    EXPECT_EQ(fenster.StringGrid1->model()->rowCount(), 3);
    EXPECT_EQ(fenster.SGMerkPunkte->model()->rowCount(), 2);

    fenster.einlesen(karte(CardFileBuilder().record(fahrt(0, 10)).freeBlock()));
    EXPECT_EQ(fenster.StringGrid1->model()->rowCount(), 1);
    EXPECT_EQ(fenster.SGMerkPunkte->model()->rowCount(), 0);
    EXPECT_EQ(fenster.bloecke(), 1u);
}

TEST_F(VarnoVOKTest, LeereKarteGibtLeereListen)
{
    karteHatFahrer(fahrerId);
    fenster.einlesen(karte(CardFileBuilder().freeBlock()));
    EXPECT_EQ(fenster.StringGrid1->model()->rowCount(), 0);
    EXPECT_EQ(fenster.SGMerkPunkte->model()->rowCount(), 0);
    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty());
}

struct DateiFall {
    const char* name;
    bool anlegen;
    const char* meldung;
};

class VarnoVOKDateiTest : public VarnoVOKTest, public ::testing::WithParamInterface<DateiFall> {};

TEST_P(VarnoVOKDateiTest, KeineDatendateiGibtMeldungUndLeereListen)
{
    karteHatFahrer(fahrerId);
    fenster.einlesen(karteMitDreiFahrten());
    const QString anderer = db.directory() + "/karte/anders.txt";
    if (GetParam().anlegen)
        CardFileBuilder().rawHeader(std::vector<std::uint8_t>(3072, 'x')).write(anderer);

    fenster.einlesen(anderer);

    EXPECT_EQ(ScriptedPrompts::get().texts().last(), QString::fromUtf8(GetParam().meldung));
    EXPECT_EQ(fenster.StringGrid1->model()->rowCount(), 0);
    EXPECT_EQ(fenster.SGMerkPunkte->model()->rowCount(), 0);
    EXPECT_FALSE(fenster.BtSpeichern->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Dateien, VarnoVOKDateiTest,
                         ::testing::Values(DateiFall{"Fehlt", false, "Fehler bei Dateizugriff"},
                                           DateiFall{"KeineDatendatei", true, "keine Varno Datendatei"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(VarnoVOKTest, VerzeichnisAendernLiestDieGewaehlteDateiSofort)
{
    karteHatFahrer(fahrerId);
    fenster.show();
    ScriptedPrompts::get().answerPath(karteMitDreiFahrten());
    fenster.BtAendernClick();
    EXPECT_EQ(fenster.EPfad->text(), pfad);
    EXPECT_EQ(fenster.StringGrid1->model()->rowCount(), 3);
    EXPECT_EQ(ScriptedPrompts::get().shown().front().filter, QStringLiteral("Varno Datendatei (*.TXT *.txt)"));

    ScriptedPrompts::get().answerPath(QString());
    fenster.BtAendernClick();
    EXPECT_EQ(fenster.StringGrid1->model()->rowCount(), 3);
}

TEST_F(VarnoVOKTest, NeuesFahrzeugWirdEinmalErfragtUndMitStartdatensatzAngelegt)
{
    karteHatFahrer(fahrerId);
    auto& prompts = ScriptedPrompts::get();
    prompts.answerInput(QString());                  // empty
    prompts.answerInput(QStringLiteral("HH-AB 123")); // taken
    prompts.answerInput(QStringLiteral("B-Q 9, O'Neil"));
    prompts.answerInput(std::nullopt);                 // cancelled: the plate before, taken by now
    prompts.answerInput(QStringLiteral("B-Q 10"));
    fenster.einlesen(karte(CardFileBuilder()
                               .record(fahrt(0, 10, "A", 9))
                               .waypoint(at(2005, 3, 14, 9), 45300, 9)
                               .record(fahrt(5, 10, "B", 9))
                               .record(fahrt(10, 10, "C", 11))
                               .freeBlock()));

    QStringList ablauf;
    for (const auto& shown : prompts.shown())
        ablauf << (shown.kind == QLatin1String("input") ? shown.title + ": " + shown.text : shown.text);
    const QString frage9 = QStringLiteral("Neues Fahrzeug gefunden: KFZ-ID: 9, Anfangs-km 45210, KFZ-Kennzeichen:");
    const QString frage11 = QStringLiteral("Neues Fahrzeug gefunden: KFZ-ID: 11, Anfangs-km 45220, KFZ-Kennzeichen:");
    EXPECT_EQ(ablauf, (QStringList{frage9, "leere Zeichenfolge", frage9, "doppelter Eintrag", frage9, frage11,
                                   "doppelter Eintrag", frage11}));
    EXPECT_EQ(zelle(fenster.StringGrid1, 1, 4), QStringLiteral("9 - B-Q 9, O'Neil"));
    EXPECT_EQ(zelle(fenster.SGMerkPunkte, 0, 2), QStringLiteral("9 - B-Q 9, O'Neil"));
    EXPECT_EQ(zelle(fenster.StringGrid1, 2, 4), QStringLiteral("11 - B-Q 10"));
    EXPECT_EQ(spalte("SELECT KZuFzg || ' ' || AnfKM || ' ' || Eingabeart || ' ' || KFZID || ' ' || m.AbDat || ' ' || "
                     "m.km_an || ' ' || m.Art FROM T_KFZ k JOIN T_MIREL m ON m.KFZ = k.ID WHERE k.KFZID IN (9, 11) "
                     "ORDER BY k.ID"),
              (QStringList{"B-Q 9, O'Neil 45210 1 9 2005-03-14 08:00:30 45210 99",
                           "B-Q 10 45220 1 11 2005-03-14 08:10:30 45220 99"}));
}

TEST_F(VarnoVOKTest, PruefungMeldetUnumwandelbareZeilen)
{
    karteHatFahrer(fahrerId);
    CardRecord kurz = fahrt(0, 1);
    kurz.startTime = at(2005, 3, 14, 10, 0, 0);
    kurz.endTime = at(2005, 3, 14, 10, 0, 40);
    fenster.einlesen(karte(CardFileBuilder().record(fahrt(0, 10)).record(kurz).freeBlock()));
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{"Fehler beim Datumsumwandeln in Zeile 2"});
    EXPECT_FALSE(fenster.fahrten().rot(1));
}

TEST_F(VarnoVOKTest, OhneKartenkennungBleibtDasFeldUndEsWirdNichtNachDemFahrerGefragt)
{
    kennung->setIdentifier(std::nullopt);
    fenster.einlesen(karte(CardFileBuilder().record(fahrt(0, 10)).freeBlock()));
    EXPECT_EQ(fenster.ECFID->text(), QStringLiteral("ECFID"));
    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty());
    fenster.BtSpeichernClick();
    EXPECT_EQ(spalte("SELECT CFID FROM T_basis"), QStringList{"ECFID"});
    // Without an identifier the bytes alone tell that the card is the one read.
    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty());
    EXPECT_EQ(readAllBytes(pfad)[3072], 0xFF);
}

struct FahrerFall {
    const char* name;
    PromptAnswer antwort;
    const char* eingabe; // null: pick "Meier" from the list
    int fahrerNeu;
    int zuordnungen;
};

class VarnoVOKFahrerTest : public VarnoVOKTest, public ::testing::WithParamInterface<FahrerFall> {};

TEST_P(VarnoVOKFahrerTest, KarteOhneFahrer)
{
    build::fahrer("Albers");
    const int fahrerVorher = zeilen("T_Fahrer");
    ScriptedPrompts::get().answer(GetParam().antwort);
    fenster.einlesen(karte(CardFileBuilder().record(fahrt(0, 10)).freeBlock()));
    EXPECT_EQ(ScriptedPrompts::get().texts().first(),
              QStringLiteral("Die Speicherkarte ist noch keinen Fahrer zugeordnet. Wollen Sie dies jetzt tun?"));
    EXPECT_EQ(fenster.CBFahrer->isEnabled(), GetParam().antwort == PromptAnswer::Yes);
    if (GetParam().antwort == PromptAnswer::Yes) {
        ASSERT_EQ(fenster.CBFahrer->count(), 2);
        EXPECT_EQ(fenster.CBFahrer->itemText(0), QStringLiteral("Albers"));
        if (GetParam().eingabe)
            fenster.CBFahrer->setEditText(QString::fromUtf8(GetParam().eingabe));
        else
            fenster.CBFahrer->setCurrentIndex(1);
    }

    fenster.BtabbruchClick();

    EXPECT_EQ(zeilen("T_Fahrer") - fahrerVorher, GetParam().fahrerNeu);
    EXPECT_EQ(zeilen("T_CF"), GetParam().zuordnungen);
    EXPECT_FALSE(fenster.CBFahrer->isEnabled());
    if (GetParam().zuordnungen == 1) {
        const QString erwartet =
            GetParam().eingabe ? QString::fromUtf8(GetParam().eingabe).trimmed() : QStringLiteral("Meier");
        EXPECT_EQ(spalte("SELECT f.Bezeichnung FROM T_CF c JOIN T_Fahrer f ON f.ID = c.Fahrer"), QStringList{erwartet});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Zuordnung, VarnoVOKFahrerTest,
    ::testing::Values(FahrerFall{"Nein", PromptAnswer::No, nullptr, 0, 0},
                      FahrerFall{"AusDerListe", PromptAnswer::Yes, nullptr, 0, 1},
                      FahrerFall{"NeuerName", PromptAnswer::Yes, "O'Brien \"Ben\"", 1, 1},
                      FahrerFall{"GetippterVorhandenerName", PromptAnswer::Yes, "Meier", 0, 1},
                      FahrerFall{"Leer", PromptAnswer::Yes, "  ", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The desktop's palette is in place before the window is made, as at the program's start.
class VarnoVOKFarbe : public MitPalettenfall, public VarnoVOKTest {};

TEST_P(VarnoVOKFarbe, GelbesFahrerfeldLiestSich)
{
    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    fenster.einlesen(karte(CardFileBuilder().record(fahrt(0, 10)).freeBlock()));
    ASSERT_TRUE(fenster.CBFahrer->isEnabled());
    EXPECT_NE(fenster.CBFahrer->palette().color(QPalette::Active, QPalette::Base),
              QApplication::palette().color(QPalette::Active, QPalette::Base));
    EXPECT_TRUE(liestSich(*fenster.CBFahrer, QPalette::Text, QPalette::Base));
}

INSTANTIATE_TEST_SUITE_P(Themen, VarnoVOKFarbe, palettenfaelle(), palettenfallName);

TEST_F(VarnoVOKTest, LangeArbeitZeigtFortschrittUndSanduhr)
{
    karteHatFahrer(fahrerId);
    std::vector<QString> ablauf;
    fenster.setFortschritt({[&](const QWidget*) {
                                ablauf.push_back("starten");
                                EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
                            },
                            [&](int p) { ablauf.push_back(QString::number(p)); },
                            [&] { ablauf.push_back("beenden"); }});
    fenster.einlesen(karte(CardFileBuilder().record(fahrt(0, 10)).record(fahrt(30, 10)).freeBlock()));
    fenster.BtSpeichernClick();
    EXPECT_EQ(ablauf, (std::vector<QString>{"starten", "50", "100", "beenden", "starten", "50", "100", "beenden"}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(VarnoVOKTest, FensterKannNichtKleinerAlsDasMindestmassWerden)
{
    EXPECT_EQ(fenster.minimumSize(), QSize(760, 250));
    EXPECT_EQ(fenster.windowTitle(), QStringLiteral("Verzeichnis prüfen und Daten einlesen"));
    EXPECT_EQ(fenster.ECFID->text(), QStringLiteral("ECFID"));
    EXPECT_FALSE(fenster.ECFID->isVisibleTo(&fenster));
}

} // namespace
