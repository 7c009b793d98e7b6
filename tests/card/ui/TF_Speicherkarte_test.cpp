#include "card/datafile/CardFile.h"
#include "card/datafile/ResetTemplate.h"
#include "card/ui/TF_Speicherkarte.h"
#include "db/SqlStatement.h"
#include "support/CardFileBuilder.h"
#include "support/FakeRemovableMedia.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString suche = QStringLiteral("Ihr System wird nach einem passenden Datenträger durchsucht.");
const QString erfolg = QStringLiteral("Die Speicherkarte wurde erfolgreich zurückgesetzt.");
const QString keine = QStringLiteral("Keine passende Speicherkarte gefunden.");

QString angebot(const QString& wurzel)
{
    return QStringLiteral("Passender Datenträger im Laufwerk %1 gefunden. Alle Daten auf der Karte werden gelöscht.")
        .arg(wurzel);
}

QString ungueltig(const QString& wurzel)
{
    return QStringLiteral("Der Datenträger im Laufwerk %1 hat eine ungültige Größe.").arg(wurzel);
}

QStringList zeile(const QTableWidget* tabelle, int zeile)
{
    QStringList texte;
    for (int spalte = 0; spalte < tabelle->columnCount(); ++spalte)
        texte << (tabelle->item(zeile, spalte) ? tabelle->item(zeile, spalte)->text() : QString());
    return texte;
}

QDateTime zeit(int tag, int stunde, int minute = 0)
{
    return QDateTime(QDate(2006, 3, tag), QTime(stunde, minute));
}

class SpeicherkarteTest : public ::testing::Test {
protected:
    bool istZurueckgesetzt(const RemovableDrive& laufwerk) const
    {
        const QString datei = laufwerk.root + QStringLiteral("daten.txt");
        return QFile::exists(datei) && readAllBytes(datei) == cardfile::resetTemplateBytes();
    }

    void alteDatei(const RemovableDrive& laufwerk)
    {
        QFile datei(laufwerk.root + QStringLiteral("fotos.jpg"));
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        datei.write("alt");
    }

    TestDatabase db;
    FakeRemovableMedia* medienFake = new FakeRemovableMedia;
    FakeRemovableMedia& medien = *medienFake;
    TF_Speicherkarte fenster{std::unique_ptr<RemovableMedia>(medienFake)};
};

} // namespace

TEST_F(SpeicherkarteTest, OhneRohfahrtenNurDieKopfzeile)
{
    fenster.FormActivate();
    EXPECT_EQ(fenster.SgUebersicht->rowCount(), 0);
    QStringList koepfe;
    QList<int> breiten;
    for (int spalte = 0; spalte < fenster.SgUebersicht->columnCount(); ++spalte) {
        koepfe << fenster.SgUebersicht->horizontalHeaderItem(spalte)->text();
        breiten << fenster.SgUebersicht->columnWidth(spalte);
    }
    EXPECT_EQ(koepfe, (QStringList{"ID", "Fahrer", "letztes KFZ", "letztes Zieldatum", "Einlesedatum"}));
    EXPECT_EQ(breiten, (QList<int>{81, 85, 125, 123, 122}));
}

TEST_F(SpeicherkarteTest, JedeKarteEinmalMitFahrerUndLetztemEinlesen)
{
    const int anna = build::fahrer(QStringLiteral("Anna"));
    SqlStatement(QStringLiteral("INSERT INTO T_CF (CF, Fahrer) VALUES ('111', ?)")).bind(anna).exec();
    build::rohfahrt({.cfid = QStringLiteral("111"), .einlesedat = zeit(1, 12), .zielzeit = zeit(1, 9),
                     .kfzSchluessel = QStringLiteral("7 - B-XY 1")});
    build::rohfahrt({.cfid = QStringLiteral("111"), .einlesedat = zeit(5, 18), .zielzeit = zeit(4, 8),
                     .kfzSchluessel = QStringLiteral("8 - B-Z 2")});
    build::rohfahrt({.cfid = QStringLiteral("111"), .einlesedat = zeit(5, 18), .zielzeit = zeit(5, 7, 30),
                     .kfzSchluessel = QStringLiteral("8 - B-Z 2")});
    build::rohfahrt({.cfid = QStringLiteral("222"), .einlesedat = zeit(2, 10), .kfzSchluessel = QStringLiteral("9 - M-A 3")});
    fenster.FormActivate();
    ASSERT_EQ(fenster.SgUebersicht->rowCount(), 2);
    EXPECT_EQ(zeile(fenster.SgUebersicht, 0),
              (QStringList{"111", "Anna", "8 - B-Z 2", "05.03.2006 07:30:00", "05.03.2006 18:00:00"}));
    // No row in T_CF: no driver; no arrival time recorded: no date.
    EXPECT_EQ(zeile(fenster.SgUebersicht, 1), (QStringList{"222", "", "9 - M-A 3", "", "02.03.2006 10:00:00"}));
}

TEST_F(SpeicherkarteTest, JedeAktivierungFuelltDieUebersichtNeu)
{
    fenster.FormActivate();
    build::rohfahrt({.cfid = QStringLiteral("333")});
    fenster.FormActivate();
    ASSERT_EQ(fenster.SgUebersicht->rowCount(), 1);
    EXPECT_EQ(fenster.SgUebersicht->item(0, 0)->text(), QStringLiteral("333"));
}

TEST_F(SpeicherkarteTest, KnoepfeOeffnenImportUndListenfenster)
{
    EXPECT_FALSE(fenster.BtZeigen->isEnabled());
    EXPECT_FALSE(fenster.BtVerwalt->isEnabled());
    QWidget import;
    QWidget listen;
    fenster.setFenster(&import, &listen);
    fenster.BtZeigen->click();
    EXPECT_TRUE(import.isVisible());
    EXPECT_FALSE(listen.isVisible());
    fenster.BtVerwalt->click();
    EXPECT_TRUE(listen.isVisible());
}

TEST_F(SpeicherkarteTest, PassendeKarteWirdNachBestaetigungZurueckgesetzt)
{
    const RemovableDrive karte = medien.medium(QStringLiteral("KARTE"), 16'000'000);
    alteDatei(karte);
    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    ScriptedPrompts::get().answer(PromptAnswer::Ok);
    fenster.BtFormat->click();
    EXPECT_EQ(ScriptedPrompts::get().texts(), (QStringList{suche, angebot(karte.root), erfolg}));
    EXPECT_TRUE(karte.root.endsWith(QStringLiteral("/KARTE/")));
    EXPECT_TRUE(istZurueckgesetzt(karte));
    EXPECT_FALSE(QFile::exists(karte.root + QStringLiteral("fotos.jpg")));
    EXPECT_EQ(cardfile::checkIdentity((karte.root + QStringLiteral("daten.txt")).toStdString()),
              cardfile::FileIdentity::DataFile);
    // Losing everything on the card is never the default answer.
    EXPECT_EQ(ScriptedPrompts::get().shown()[1].defaultAnswer, PromptAnswer::Cancel);
}

TEST_F(SpeicherkarteTest, NeinAufDieErsteFrageSuchtNicht)
{
    medien.medium(QStringLiteral("KARTE"), 16'000'000);
    ScriptedPrompts::get().answer(PromptAnswer::No);
    fenster.BtFormatClick();
    EXPECT_EQ(ScriptedPrompts::get().texts(), (QStringList{suche, keine}));
    EXPECT_TRUE(medien.vorbereitet().isEmpty());
}

TEST_F(SpeicherkarteTest, OhneWechseldatentraegerKeinePassendeKarte)
{
    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    fenster.BtFormatClick();
    EXPECT_EQ(ScriptedPrompts::get().texts(), (QStringList{suche, keine}));
}

TEST_F(SpeicherkarteTest, LaufwerkOhneMediumAlsEinzigesHatUngueltigeGroesse)
{
    medien.ohneMedium(QStringLiteral("/dev/sdc"));
    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    fenster.BtFormatClick();
    EXPECT_EQ(ScriptedPrompts::get().texts(), (QStringList{suche, ungueltig(QStringLiteral("/dev/sdc"))}));
}

namespace {

struct Mediengroesse {
    std::uint64_t blockGroesse;
    std::uint64_t bloecke;
};

class SpeicherkarteUngeeignet : public SpeicherkarteTest, public ::testing::WithParamInterface<Mediengroesse> {};

} // namespace

TEST_P(SpeicherkarteUngeeignet, WirdNichtAngeboten)
{
    const RemovableDrive laufwerk = medien.medium(QStringLiteral("GROSS"), GetParam().blockGroesse, GetParam().bloecke);
    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    fenster.BtFormatClick();
    EXPECT_EQ(ScriptedPrompts::get().texts(), (QStringList{suche, ungueltig(laufwerk.root)}));
    EXPECT_FALSE(QFile::exists(laufwerk.root + QStringLiteral("daten.txt")));
}

INSTANTIATE_TEST_SUITE_P(Faelle, SpeicherkarteUngeeignet,
                         ::testing::Values(Mediengroesse{1, 15'000'000}, Mediengroesse{1, 67'000'000},
                                           Mediengroesse{512, 131'072}, Mediengroesse{4096, 1'953'125},
                                           Mediengroesse{1ULL << 40, 1ULL << 40}));

TEST_F(SpeicherkarteTest, NachAbbruchDerErstenWirdDieZweiteAngeboten)
{
    const RemovableDrive erste = medien.medium(QStringLiteral("EINS"), 16'000'000);
    const RemovableDrive zweite = medien.medium(QStringLiteral("ZWEI"), 32'000'000);
    alteDatei(erste);
    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    ScriptedPrompts::get().answer(PromptAnswer::Cancel);
    ScriptedPrompts::get().answer(PromptAnswer::Ok);
    fenster.BtFormatClick();
    EXPECT_EQ(ScriptedPrompts::get().texts(), (QStringList{suche, angebot(erste.root), angebot(zweite.root), erfolg}));
    EXPECT_EQ(medien.vorbereitet(), QStringList{zweite.root});
    EXPECT_TRUE(QFile::exists(erste.root + QStringLiteral("fotos.jpg")));
    EXPECT_TRUE(istZurueckgesetzt(zweite));
}

TEST_F(SpeicherkarteTest, NachDemZuruecksetzenZaehltKeinLaufwerkDahinter)
{
    const RemovableDrive erste = medien.medium(QStringLiteral("EINS"), 16'000'000);
    const RemovableDrive zweite = medien.medium(QStringLiteral("ZWEI"), 32'000'000);
    medien.ohneMedium(QStringLiteral("/dev/sdd"));
    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    ScriptedPrompts::get().answer(PromptAnswer::Ok);
    fenster.BtFormatClick();
    EXPECT_EQ(ScriptedPrompts::get().texts(), (QStringList{suche, angebot(erste.root), erfolg}));
    EXPECT_TRUE(istZurueckgesetzt(erste));
    EXPECT_FALSE(QFile::exists(zweite.root + QStringLiteral("daten.txt")));
}

TEST_F(SpeicherkarteTest, AbgelehntesAngebotOhneWeiteresLaufwerkMeldetNichtsMehr)
{
    const RemovableDrive karte = medien.medium(QStringLiteral("KARTE"), 16'000'000);
    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    ScriptedPrompts::get().answer(PromptAnswer::Cancel);
    fenster.BtFormatClick();
    EXPECT_EQ(ScriptedPrompts::get().texts(), (QStringList{suche, angebot(karte.root)}));
    EXPECT_TRUE(medien.vorbereitet().isEmpty());
}

TEST_F(SpeicherkarteTest, FehlendeVorlageMeldetFehlerBeimErstellen)
{
    const RemovableDrive karte = medien.medium(QStringLiteral("KARTE"), 16'000'000);
    fenster.setVorlage(db.directory() + QStringLiteral("/fehlt.dat"));
    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    ScriptedPrompts::get().answer(PromptAnswer::Ok);
    fenster.BtFormatClick();
    EXPECT_EQ(ScriptedPrompts::get().texts(),
              (QStringList{suche, angebot(karte.root), QStringLiteral("Fehler beim Erstellen der Datendatei!")}));
    EXPECT_EQ(ScriptedPrompts::get().shown().back().title, QStringLiteral("Fehler"));
}

TEST_F(SpeicherkarteTest, DieVorlageLiegtNebenDemProgramm)
{
    // The build writes varno-cf.dat beside the programs, the tests included.
    const RemovableDrive karte = medien.medium(QStringLiteral("KARTE"), 16'000'000);
    ASSERT_TRUE(QFile::exists(QApplication::applicationDirPath() + QStringLiteral("/varno-cf.dat")));
    ScriptedPrompts::get().answer(PromptAnswer::Yes);
    ScriptedPrompts::get().answer(PromptAnswer::Ok);
    fenster.BtFormatClick();
    EXPECT_EQ(cardfile::readRecords((karte.root + QStringLiteral("daten.txt")).toStdString()).records.size(), 0u);
}

TEST_F(SpeicherkarteTest, EscapeStartetDasZuruecksetzen)
{
    fenster.show();
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    ScriptedPrompts::get().answer(PromptAnswer::No);
    QTest::keyClick(&fenster, Qt::Key_Escape);
    EXPECT_EQ(ScriptedPrompts::get().texts(), (QStringList{suche, keine}));
}
