#include "Logbuchinhalt.h"

#include "admin/Ruecksicherung.h"
#include "admin/ui/TF_Datensicherung.h"
#include "audit/Fahrtenbuchpruefung.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "logbuch/Logbuch.h"
#include "logbuch/kette/Kettenanhang.h"
#include "logbuch/OptionenStore.h"
#include "db/SqlStatement.h"
#include "platform/PosixFileOperations.h"
#include "support/Dateieingriff.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"
#include "support/ui/Fensterhilfen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Blanks, umlauts and quotes in the backup directory must not matter anywhere.
const QString ordnerName = QStringLiteral("Sicherung 'Jörg' \"Ä\" 1");
const QString ersteSicherung = QStringLiteral("20051224_140509.sav");

QStringList temporaereDateien(const QString& verzeichnis)
{
    return QDir(verzeichnis).entryList({QStringLiteral("*.tmp")}, QDir::Files);
}

void schreibeDatei(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
}

// Real file operations whose rename onto one chosen file fails, as on a full or read-only disk.
class UmbenennenScheitert : public PosixFileOperations {
public:
    explicit UmbenennenScheitert(QString ziel) : ziel_(std::move(ziel)) {}
    void renameReplacing(const QString& from, const QString& to) override
    {
        if (to == ziel_)
            throw FileError(QStringLiteral("Kein Speicherplatz"));
        PosixFileOperations::renameReplacing(from, to);
    }

private:
    QString ziel_;
};

class DatensicherungTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::setFixed(QDateTime(QDate(2005, 12, 24), QTime(14, 5, 9)));
        ASSERT_TRUE(QDir(ablage.path()).mkpath(ordnerName));
        sicherungsordner = QDir(ablage.path()).filePath(ordnerName) + QLatin1Char('/');
        build::optionen(QStringLiteral("DS_Pfad"), sicherungsordner);
        build::fahrzeug();
    }

    void oeffnen()
    {
        fenster.show();
        aktivieren(fenster);
    }

    // A backup through the window at the fixed clock; returns its file.
    QString sichern()
    {
        oeffnen();
        fenster.BtSicherung->click();
        return sicherungsordner + ersteSicherung;
    }

    // `verlust` answers the question before entries newer than the backup are discarded.
    void zuruecksichern(const QString& sicherung, std::optional<PromptAnswer> verlust = std::nullopt)
    {
        oeffnen();
        ScriptedPrompts::get().answerPath(sicherung);
        if (verlust)
            ScriptedPrompts::get().answer(*verlust);
        fenster.BtRueckSicherung->click();
    }

    static const ScriptedPrompts::Shown& letzteMeldung() { return ScriptedPrompts::get().shown().back(); }

    // The error box "Fehler beim Kopieren"; returns the reason below its first line.
    static QString kopierfehlerGrund()
    {
        if (ScriptedPrompts::get().shown().empty()) {
            ADD_FAILURE() << "no error box";
            return {};
        }
        EXPECT_EQ(letzteMeldung().icon, PromptIcon::Error);
        EXPECT_EQ(letzteMeldung().title, QStringLiteral("Varno"));
        const QStringList zeilen = letzteMeldung().text.split(QLatin1Char('\n'));
        EXPECT_EQ(zeilen.front(), QStringLiteral("Fehler beim Kopieren"));
        return zeilen.mid(1).join(QLatin1Char('\n'));
    }

    static void erwarteKopierfehler(const QString& grund = {}) { EXPECT_EQ(kopierfehlerGrund(), grund); }

    TestDatabase db;
    QTemporaryDir ablage;
    QString sicherungsordner;
    TF_Datensicherung fenster{db.sitzung()};
};

// The rows of a logbook without its protocol and the protocol's chain notes.
QStringList ohneProtokoll(const QStringList& inhalt)
{
    QStringList zeilen;
    for (const QString& zeile : inhalt)
        if (!zeile.startsWith(QStringLiteral("T_Protokoll|")) && !zeile.contains(QStringLiteral("|T_Protokoll|")))
            zeilen << zeile;
    return zeilen;
}

} // namespace

TEST_F(DatensicherungTest, AktivierungZeigtGespeichertesVerzeichnis)
{
    oeffnen();
    EXPECT_EQ(fenster.EDSVerz->text(), sicherungsordner);
    EXPECT_FALSE(fenster.EDSVerz->isEnabled());
    EXPECT_TRUE(fenster.BtSicherung->isEnabled());
    EXPECT_TRUE(fenster.BtNeueDatenbank->isHidden());
}

TEST_F(DatensicherungTest, SicherungIstDieGleicheDatenbank)
{
    const QString sicherung = sichern();
    ASSERT_TRUE(QFileInfo::exists(sicherung));
    EXPECT_EQ(logbuchinhalt(sicherung), logbuchinhalt(db.file()));
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QStringLiteral("Die Datensicherung war erfolgreich.")});
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_TRUE(temporaereDateien(sicherungsordner).isEmpty());
}

TEST_F(DatensicherungTest, AendernGiltBisZumSchliessenUndNurSchliessenSpeichert)
{
    const QString anderer = QDir(ablage.path()).filePath(QStringLiteral("Andere Ablage"));
    ASSERT_TRUE(QDir().mkpath(anderer));
    oeffnen();
    ScriptedPrompts::get().answerPath(anderer);
    fenster.BtAendern->click();
    EXPECT_EQ(letzteMeldung().title, QStringLiteral("Wählen Sie ein Verzeichnis zur Datensicherung"));
    EXPECT_EQ(fenster.EDSVerz->text(), anderer + QLatin1Char('/'));
    aktivieren(fenster); // back from the folder dialog
    EXPECT_EQ(fenster.EDSVerz->text(), anderer + QLatin1Char('/'));

    fenster.BtSicherung->click();
    EXPECT_TRUE(QFileInfo::exists(anderer + QLatin1Char('/') + ersteSicherung));
    EXPECT_EQ(OptionenStore::datensicherungsVerzeichnis(), sicherungsordner);
    oeffnen();
    EXPECT_EQ(fenster.EDSVerz->text(), sicherungsordner);

    ScriptedPrompts::get().answerPath(anderer);
    fenster.BtAendern->click();
    fenster.btSchliessen->click();
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_EQ(OptionenStore::datensicherungsVerzeichnis(), anderer + QLatin1Char('/'));
}

TEST_F(DatensicherungTest, SchliessenUeberDieTitelleisteSpeichertNichts)
{
    oeffnen();
    ScriptedPrompts::get().answerPath(ablage.path());
    fenster.BtAendern->click();
    fenster.close();
    EXPECT_EQ(OptionenStore::datensicherungsVerzeichnis(), sicherungsordner);
}

TEST_F(DatensicherungTest, AbgebrochenerOrdnerdialogAendertNichts)
{
    oeffnen();
    ScriptedPrompts::get().answerPath(QString());
    fenster.BtAendern->click();
    EXPECT_EQ(fenster.EDSVerz->text(), sicherungsordner);
}

TEST_F(DatensicherungTest, VerzeichnisOhneTrennzeichenLaeuftInDenNamen)
{
    build::optionen(QStringLiteral("DS_Pfad"), QDir(ablage.path()).filePath(QStringLiteral("Ablage")));
    sichern();
    EXPECT_TRUE(QFileInfo::exists(QDir(ablage.path()).filePath(QStringLiteral("Ablage") + ersteSicherung)));
}

TEST_F(DatensicherungTest, OhneVerzeichnisSichertNebenDasLogbuch)
{
    // The logbook of an installed program lives in the data folder, not in the working folder.
    QTemporaryDir datenordner;
    const QString logbuch = QDir(datenordner.path()).filePath(QStringLiteral("varno.db"));
    ASSERT_TRUE(QFile::copy(db.file(), logbuch));
    Logbuch::oeffnen(logbuch);
    db.sitzung().setLogbuch(logbuch);
    build::optionen(QStringLiteral("DS_Pfad"), QStringLiteral(""));

    oeffnen();
    EXPECT_EQ(fenster.EDSVerz->text(), datenordner.path() + QLatin1Char('/'));
    fenster.BtSicherung->click();
    EXPECT_TRUE(QFileInfo::exists(QDir(datenordner.path()).filePath(ersteSicherung)));
    EXPECT_FALSE(QFileInfo::exists(QDir(db.directory()).filePath(ersteSicherung)));
}

class ZweiSicherungenInEinerSekunde : public DatensicherungTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ZweiSicherungenInEinerSekunde, FragenVorDemErsetzen)
{
    const bool ersetzen = GetParam();
    const QString sicherung = sichern();
    const QStringList ersterStand = logbuchinhalt(sicherung);
    build::fahrzeug({.kennzeichen = QStringLiteral("NEU 1")});
    ScriptedPrompts::get().clear();

    ScriptedPrompts::get().answer(ersetzen ? PromptAnswer::Yes : PromptAnswer::No);
    sichern();
    const auto& frage = ScriptedPrompts::get().shown().front();
    EXPECT_EQ(frage.title, QStringLiteral("Achtung"));
    EXPECT_EQ(frage.defaultAnswer, PromptAnswer::No);
    EXPECT_TRUE(frage.text.contains(ersteSicherung)) << frage.text.toStdString();
    if (ersetzen) {
        EXPECT_EQ(logbuchinhalt(sicherung), logbuchinhalt(db.file()));
        EXPECT_EQ(letzteMeldung().text, QStringLiteral("Die Datensicherung war erfolgreich."));
    } else {
        EXPECT_EQ(logbuchinhalt(sicherung), ersterStand);
        erwarteKopierfehler();
        EXPECT_TRUE(fenster.isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(Antworten, ZweiSicherungenInEinerSekunde, ::testing::Bool());

TEST_F(DatensicherungTest, SicherungInFehlendesVerzeichnisMeldetKopierfehler)
{
    build::optionen(QStringLiteral("DS_Pfad"), QDir(ablage.path()).filePath(QStringLiteral("fehlt/")));
    sichern();
    EXPECT_TRUE(kopierfehlerGrund().startsWith(QStringLiteral("Im Verzeichnis kann keine Datei angelegt werden:")));
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_EQ(ScriptedPrompts::get().texts().size(), 1);
}

TEST_F(DatensicherungTest, RuecksicherungStelltDenStandWiederHerUndArbeitetWeiter)
{
    const QString sicherung = sichern();
    const QStringList gesichert = logbuchinhalt(sicherung);
    build::fahrzeug({.kennzeichen = QStringLiteral("NEU 1")});
    const QStringList geaendert = logbuchinhalt(db.file());
    ScriptedPrompts::get().clear();

    zuruecksichern(sicherung, PromptAnswer::Yes);
    const auto& dialog = ScriptedPrompts::get().shown().front();
    EXPECT_EQ(dialog.kind, QStringLiteral("openFile"));
    EXPECT_EQ(dialog.text, sicherungsordner);
    EXPECT_EQ(dialog.filter, QStringLiteral("Varno Sicherung (*.sav)"));
    EXPECT_EQ(ScriptedPrompts::get().texts().last(), QStringLiteral("Die Rücksicherung war erfolgreich."));
    EXPECT_TRUE(fenster.isVisible());

    ASSERT_TRUE(Database::isOpen());
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_KFZ WHERE KZuFzg = ?", {QStringLiteral("NEU 1")}), 0);
    // The restore itself is the protocol's newest entry; everything else is the backup's.
    EXPECT_EQ(ohneProtokoll(logbuchinhalt(db.file())), ohneProtokoll(gesichert));
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Protokoll WHERE Ereignis = ? AND ID = "
                                      "(SELECT MAX(ID) FROM T_Protokoll)",
                                      {QStringLiteral("Rücksicherung")}),
              1);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Protokoll"),
              gesichert.filter(QRegularExpression(QStringLiteral("^T_Protokoll\\|"))).size() + 1);
    EXPECT_EQ(logbuchinhalt(Ruecksicherung::sicherheitskopie(db.file())), geaendert);
    EXPECT_TRUE(temporaereDateien(db.directory()).isEmpty());
}

TEST_F(DatensicherungTest, RuecksicherungFragtBevorSieNeuereEintraegeVerwirft)
{
    const QString sicherung = sichern();
    protokollEintragen(Ereignis::FahrerUmbenannt, QStringLiteral("Fahrer Meier in Maier umbenannt."));
    const QString pruefwert = fahrtenbuchpruefung::pruefen().pruefwert();
    const int fahrten = SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL"));
    const int protokoll = SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_Protokoll"));
    const QStringList vorher = logbuchinhalt(db.file());
    const QString frage = QStringLiteral("Das Fahrtenbuch enthält 0 Fahrtenbucheinträge, 0 Rohfahrten und 1 "
                                         "Protokolleintrag mehr als diese Sicherung. Sie gehen mit der "
                                         "Rücksicherung verloren. Trotzdem zurücksichern?");
    ScriptedPrompts::get().clear();
    zuruecksichern(sicherung, PromptAnswer::No);
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{frage});
    EXPECT_EQ(logbuchinhalt(db.file()), vorher);
    EXPECT_TRUE(temporaereDateien(db.directory()).isEmpty());

    ScriptedPrompts::get().clear();
    zuruecksichern(sicherung, PromptAnswer::Yes);
    EXPECT_EQ(ScriptedPrompts::get().texts(),
              (QStringList{frage, QStringLiteral("Die Rücksicherung war erfolgreich.")}));
    SqlStatement vermerk("SELECT Beschreibung FROM T_Protokoll WHERE ID = (SELECT MAX(ID) FROM T_Protokoll)");
    vermerk.exec();
    ASSERT_TRUE(vermerk.next());
    EXPECT_TRUE(vermerk.text(QStringLiteral("Beschreibung"))
                    .endsWith(QStringLiteral(". Ersetzt wurde das Fahrtenbuch mit Prüfwert %1 (%2 Fahrtenbucheinträge, "
                                             "0 Rohfahrten und %3 Protokolleinträge).")
                                  .arg(pruefwert)
                                  .arg(fahrten)
                                  .arg(protokoll)))
        << vermerk.text(QStringLiteral("Beschreibung")).toStdString();
}

TEST_F(DatensicherungTest, AbgebrochenerDateidialogAendertNichts)
{
    const QStringList vorher = logbuchinhalt(db.file());
    zuruecksichern(QString());
    EXPECT_EQ(logbuchinhalt(db.file()), vorher);
    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty());
}

TEST_F(DatensicherungTest, UmbenennenScheitertLaesstDieDatenbankUnveraendert)
{
    const QString sicherung = sichern();
    build::fahrzeug({.kennzeichen = QStringLiteral("NEU 1")});
    const QStringList vorher = logbuchinhalt(db.file());
    UmbenennenScheitert dateien(db.file());
    fenster.setDateien(dateien);

    zuruecksichern(sicherung, PromptAnswer::Yes);
    erwarteKopierfehler(QStringLiteral("Kein Speicherplatz"));
    ASSERT_TRUE(Database::isOpen());
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_KFZ WHERE KZuFzg = ?", {QStringLiteral("NEU 1")}), 1);
    EXPECT_EQ(logbuchinhalt(db.file()), vorher);
    EXPECT_TRUE(temporaereDateien(db.directory()).isEmpty());
}

namespace {

// Files that are no logbook of this program, each made by a function given the scratch directory.
struct FremdeDatei {
    const char* name;
    QString (*anlegen)(const QString& verzeichnis);
    const char* grund; // shown below "Fehler beim Kopieren"
};

void PrintTo(const FremdeDatei& datei, std::ostream* os)
{
    *os << datei.name;
}

QString textdatei(const QString& verzeichnis)
{
    const QString pfad = verzeichnis + QStringLiteral("/text.sav");
    schreibeDatei(pfad, "Dies ist keine Datenbank.\n");
    return pfad;
}

QString fehlendeDatei(const QString& verzeichnis)
{
    return verzeichnis + QStringLiteral("/gibt es nicht.sav");
}

QString verzeichnisMitEndungSav(const QString& verzeichnis)
{
    const QString pfad = verzeichnis + QStringLiteral("/Ordner.sav");
    EXPECT_TRUE(QDir().mkpath(pfad));
    return pfad;
}

QString sqliteDatei(const QString& verzeichnis, const QStringList& anweisungen)
{
    const QString pfad = verzeichnis + QStringLiteral("/fremd.sav");
    dateieingriff::ausfuehren(pfad, anweisungen);
    return pfad;
}

QString fremdeDatenbank(const QString& verzeichnis)
{
    return sqliteDatei(verzeichnis, {QStringLiteral("CREATE TABLE Kunden (Name TEXT)")});
}

QString unvollstaendigesLogbuch(const QString& verzeichnis)
{
    return sqliteDatei(verzeichnis, {QStringLiteral("CREATE TABLE T_KFZ (ID INTEGER)"),
                                     QStringLiteral("PRAGMA user_version = 1")});
}

QString neueresSchema(const QString& verzeichnis)
{
    return sqliteDatei(verzeichnis, {QStringLiteral("CREATE TABLE T_KFZ (ID INTEGER)"),
                                     QStringLiteral("PRAGMA user_version = 999")});
}

QString abgeschnittenesLogbuch(const QString& verzeichnis)
{
    QFile logbuch(QDir::current().filePath(QString::fromLatin1(Database::fileName)));
    EXPECT_TRUE(logbuch.open(QIODevice::ReadOnly));
    const QString pfad = verzeichnis + QStringLiteral("/abgeschnitten.sav");
    schreibeDatei(pfad, logbuch.read(logbuch.size() / 2));
    return pfad;
}

constexpr auto abgeschnittenGrund =
    "Die Datei ist unvollständig oder beschädigt: ihre Länge passt nicht zu ihrem Kopf.";

class FremdeDateiWirdAbgelehnt : public DatensicherungTest, public ::testing::WithParamInterface<FremdeDatei> {};

} // namespace

TEST_P(FremdeDateiWirdAbgelehnt, DatenbankBleibtUnberuehrt)
{
    const QString datei = GetParam().anlegen(ablage.path());
    const QStringList vorher = logbuchinhalt(db.file());
    zuruecksichern(datei);
    erwarteKopierfehler(QString::fromUtf8(GetParam().grund));
    ASSERT_TRUE(Database::isOpen());
    EXPECT_EQ(logbuchinhalt(db.file()), vorher);
    EXPECT_FALSE(QFileInfo::exists(Ruecksicherung::sicherheitskopie(db.file())));
    EXPECT_TRUE(temporaereDateien(db.directory()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Dateien, FremdeDateiWirdAbgelehnt,
                         ::testing::Values(
                             FremdeDatei{"Text", textdatei,
                                         "Die Datei ist keine Datenbank, oder ihr Kopf ist beschädigt."},
                             FremdeDatei{"Fehlend", fehlendeDatei, "Die Datei wurde nicht gefunden."},
                             FremdeDatei{"Verzeichnis", verzeichnisMitEndungSav,
                                         "Der Name bezeichnet ein Verzeichnis, keine Datei."},
                             FremdeDatei{"FremdeDatenbank", fremdeDatenbank, "Die Datei ist kein Varno-Fahrtenbuch."},
                             FremdeDatei{"Unvollstaendig", unvollstaendigesLogbuch,
                                         "Der Datenbank fehlt die Tabelle T_MIREL."},
                             FremdeDatei{"NeueresSchema", neueresSchema,
                                         "Die Datenbank stammt aus einer neueren Programmversion (Schema 999)."},
                             FremdeDatei{"Abgeschnitten", abgeschnittenesLogbuch, abgeschnittenGrund}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DatensicherungTest, SchliessenMitDatenbankBeendetNicht)
{
    QSignalSpy beenden(&fenster, &TF_Datensicherung::beenden);
    oeffnen();
    fenster.btSchliessen->click();
    EXPECT_EQ(beenden.count(), 0);
}

namespace {

// The backup of the logbook as the program writes it, or as a plain byte copy the way backups were
// made before they carried a checksum.
enum class Sicherungsart { Programm, Bytekopie };

std::string artName(Sicherungsart art)
{
    return art == Sicherungsart::Programm ? "Programm" : "Bytekopie";
}

void PrintTo(Sicherungsart art, std::ostream* os)
{
    *os << artName(art);
}

// Changes one letter of a stored text inside the file: SQLite's checks cannot see that.
void textInDerDateiAendern(const QString& pfad, const QByteArray& text, const QByteArray& neu)
{
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::ReadWrite));
    QByteArray inhalt = datei.readAll();
    const qsizetype stelle = inhalt.indexOf(text);
    ASSERT_GE(stelle, 0);
    ASSERT_EQ(inhalt.indexOf(text, stelle + 1), -1);
    ASSERT_EQ(text.size(), neu.size());
    inhalt.replace(stelle, neu.size(), neu);
    ASSERT_TRUE(datei.seek(0));
    datei.write(inhalt);
}

class BeschaedigteSicherung : public DatensicherungTest {
protected:
    QString sicherungAnlegen(Sicherungsart art)
    {
        if (art == Sicherungsart::Programm)
            return sichern();
        const QString kopie = sicherungsordner + ersteSicherung;
        EXPECT_TRUE(QFile::copy(db.file(), kopie));
        return kopie;
    }

    // The logbook changes after the backup, so a restore would be seen.
    void zuruecksichernWirdAbgelehnt(const QString& sicherung, const QString& grund)
    {
        build::fahrzeug({.kennzeichen = QStringLiteral("NACH DER SICHERUNG")});
        const QStringList vorher = logbuchinhalt(db.file());
        ScriptedPrompts::get().clear();
        zuruecksichern(sicherung);
        erwarteKopierfehler(grund);
        ASSERT_TRUE(Database::isOpen());
        EXPECT_EQ(logbuchinhalt(db.file()), vorher);
        EXPECT_TRUE(temporaereDateien(db.directory()).isEmpty());
    }
};

class AbgeschnitteneSicherung : public BeschaedigteSicherung,
                                public ::testing::WithParamInterface<std::tuple<Sicherungsart, int>> {};

} // namespace

TEST_P(AbgeschnitteneSicherung, WirdAbgelehnt)
{
    const auto [art, fehlendeBytes] = GetParam();
    // A long remark fills the last page, where the cut falls.
    build::fahrt({.kfz = 1,
                  .ab = QDateTime(QDate(2006, 1, 2), QTime(8, 0)),
                  .an = QDateTime(QDate(2006, 1, 2), QTime(9, 0)),
                  .kmAb = 10000,
                  .kmAn = 10020,
                  .bemerkung = QString(3000, QLatin1Char('x'))});
    const QString sicherung = sicherungAnlegen(art);
    dateieingriff::kuerzen(sicherung, fehlendeBytes);
    zuruecksichernWirdAbgelehnt(sicherung, QString::fromUtf8(abgeschnittenGrund));
}

INSTANTIATE_TEST_SUITE_P(Bytes, AbgeschnitteneSicherung,
                         ::testing::Combine(::testing::Values(Sicherungsart::Programm, Sicherungsart::Bytekopie),
                                            ::testing::Values(1, 10, 100)),
                         [](const auto& info) {
                             return artName(std::get<0>(info.param)) + "_" + std::to_string(std::get<1>(info.param));
                         });

class ZerstoerteTabellenseite : public BeschaedigteSicherung, public ::testing::WithParamInterface<Sicherungsart> {};

TEST_P(ZerstoerteTabellenseite, WirdAbgelehnt)
{
    const QString sicherung = sicherungAnlegen(GetParam());
    dateieingriff::tabellenseiteZerstoeren(sicherung, QStringLiteral("T_MIREL"));
    zuruecksichernWirdAbgelehnt(sicherung, QStringLiteral("Die Datenbank ist beschädigt."));
}

INSTANTIATE_TEST_SUITE_P(Arten, ZerstoerteTabellenseite,
                         ::testing::Values(Sicherungsart::Programm, Sicherungsart::Bytekopie),
                         [](const auto& info) { return artName(info.param); });

TEST_F(BeschaedigteSicherung, GeaenderterInhaltWidersprichtDerPruefsumme)
{
    // A place no trip names: a trip keeps the names it prints, so theirs stand in the file twice.
    build::ort(QStringLiteral("PRUEFSUMME 1"));
    const QString sicherung = sichern();
    textInDerDateiAendern(sicherung, "PRUEFSUMME 1", "PRUEFSUMME 7");
    zuruecksichernWirdAbgelehnt(sicherung, QStringLiteral("Der Inhalt der Sicherung stimmt nicht mit ihrer Prüfsumme "
                                                          "überein: die Datei wurde nach dem Sichern verändert oder "
                                                          "beschädigt."));
}

TEST_F(BeschaedigteSicherung, BytekopieOhnePruefsummeWirdZurueckgesichert)
{
    const QString sicherung = sicherungAnlegen(Sicherungsart::Bytekopie);
    const QStringList gesichert = logbuchinhalt(sicherung);
    build::fahrzeug({.kennzeichen = QStringLiteral("NACH DER SICHERUNG")});
    ScriptedPrompts::get().clear();
    zuruecksichern(sicherung, PromptAnswer::Yes);
    EXPECT_EQ(ScriptedPrompts::get().texts().last(), QStringLiteral("Die Rücksicherung war erfolgreich."));
    // The restore itself is the protocol's newest entry; everything else is the backup's.
    EXPECT_EQ(ohneProtokoll(logbuchinhalt(db.file())), ohneProtokoll(gesichert));
}

TEST_F(BeschaedigteSicherung, NurDieSicherungTraegtDiePruefsumme)
{
    const auto tabellen = [](const QString& pfad) {
        QStringList namen;
        {
            QSqlDatabase datei = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tabellen"));
            datei.setDatabaseName(pfad);
            EXPECT_TRUE(datei.open());
            namen = datei.tables();
            datei.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("tabellen"));
        return namen;
    };
    const QString sicherung = sichern();
    EXPECT_TRUE(tabellen(sicherung).contains(QStringLiteral("T_Pruefsumme")));
    zuruecksichern(sicherung);
    EXPECT_FALSE(tabellen(db.file()).contains(QStringLiteral("T_Pruefsumme")));
}
