#include "Auswertungsfenster.h"
#include "ReportTestSupport.h"

#include "common/GermanFormat.h"
#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"
#include "support/PythonCsv.h"
#include "support/ScriptedPrompts.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>

namespace {

QByteArray dateiinhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// Entry time (German) and chain value (hex) of the trip leaving at odometer `kmAb`, as stored.
QStringList erfasstUndPruefwert(int kmAb)
{
    SqlStatement s("SELECT Erfasst, Pruefwert FROM T_MIREL WHERE km_ab = ?");
    s.bind(kmAb).exec();
    if (!s.next())
        return {};
    return {german::dateTime(*sqldate::fromSql(s.value("Erfasst"))),
            QString::fromLatin1(s.value("Pruefwert").toByteArray().toHex()).toUpper()};
}

const QString schwierigerOrt = QStringLiteral("Lager \"Nord\"; Tor 2");
const QString schwierigeBemerkung = QStringLiteral("Kunde sagte: \"bitte\";\nzweite Zeile, O'Brien über Ärger");

class ExportTest : public AuswertungTest {
protected:
    QString ziel(const QString& name) const { return ordner.filePath(name); }

    // Answers the file dialog of "Exportieren …" and returns the folder and name it proposed.
    QString exportieren(const QString& pfad)
    {
        ScriptedPrompts::get().answerPath(pfad);
        fenster.btExportieren->click();
        return ScriptedPrompts::get().shown().back().text;
    }

    // A business trip with every kind of text a spreadsheet stumbles over, past a million kilometres.
    void schwierigeFahrt()
    {
        const int lager = build::ort(schwierigerOrt);
        auto f = d.fahrt(QDateTime(QDate(2006, 2, 1), QTime(8, 15, 0)), QDateTime(QDate(2006, 2, 1), QTime(9, 2, 30)),
                         1234567, 1234609);
        f.start = lager;
        f.fahrer = d.obrien;
        f.bemerkung = schwierigeBemerkung;
        build::fahrt(f);
    }

    QTemporaryDir ordner;
};

} // namespace

TEST_F(ExportTest, FahrtenlisteKommtBeiPythonsCsvLeserUnversehrtAn)
{
    schwierigeFahrt();
    auto privat = d.fahrt(am(2006, 3, 4, 17), am(2006, 3, 4, 18), 1234609, 1234630);
    privat.art = 2;
    build::fahrt(privat);
    oeffnen();
    ankreuzen(fenster.cbxAbDat, fenster.dtpAbDat, QDate(2006, 1, 1));
    ankreuzen(fenster.cbxAnDat, fenster.dtpAnDat, QDate(2006, 5, 31));
    anzeigen(fenster.RBFahrten);
    ASSERT_TRUE(fenster.btExportieren->isEnabled());

    const QString vorschlag = exportieren(ziel(QStringLiteral("fahrten")));

    EXPECT_EQ(vorschlag, QDir(QDir::homePath()).filePath(QStringLiteral("Fahrten_B-XY-1-Golf_2006.csv")));
    EXPECT_EQ(ScriptedPrompts::get().shown().back().filter, QStringLiteral("CSV-Datei (*.csv)"));
    const PythonCsv csv = mitPythonLesen(ziel(QStringLiteral("fahrten.csv")));
    EXPECT_TRUE(csv.mitBytereihenfolge);
    ASSERT_EQ(csv.zeilen.size(), 3);
    EXPECT_EQ(csv.zeilen[0], (QStringList{"Abfahrt", "Ankunft", "von", "nach", "KM-Abf.", "KM-Ank.", "Fahrzeug",
                                          "Fahrer", "Zweck", "Kategorie", "Art", "Bem", "Fahrtart", "Kilometer",
                                          "Erfasst", "Gespeichert von", "Bemerkung", "Prüfwert"}));
    const QString benutzer = Database::dialekt().benutzer();
    const QStringList geschaeftlich = erfasstUndPruefwert(1234567);
    const QStringList privatGespeichert = erfasstUndPruefwert(1234609);
    ASSERT_EQ(geschaeftlich.size(), 2);
    ASSERT_EQ(privatGespeichert.size(), 2);
    EXPECT_EQ(geschaeftlich[1].size(), 64);
    EXPECT_EQ(csv.zeilen[1],
              (QStringList{"01.02.2006 08:15:00", "09:02:30", schwierigerOrt, "D'dorf Kunde", "1234567", "1234609",
                           "B-XY 1, Golf", "O'Brien", "Besuch", "Standard", "G", "x", "geschäftlich", "42",
                           geschaeftlich[0], benutzer, schwierigeBemerkung, geschaeftlich[1]}));
    EXPECT_EQ(csv.zeilen[2], (QStringList{"04.03.2006 17:00:00", "18:00:00", "Büro", "D'dorf Kunde", "1234609",
                                          "1234630", "B-XY 1, Golf", "Meier", "Besuch", "Standard", "P", "", "privat",
                                          "21", privatGespeichert[0], benutzer, "", privatGespeichert[1]}));
    // Rows end in CRLF; the line break inside the remark stays as typed.
    const QByteArray roh = dateiinhalt(ziel(QStringLiteral("fahrten.csv")));
    EXPECT_TRUE(roh.endsWith(";;" + privatGespeichert[1].toLatin1() + "\r\n"));
    EXPECT_TRUE(roh.contains("Prüfwert\r\n01.02.2006"));
}

TEST_F(ExportTest, DerNaechsteExportBeginntImGewaehltenOrdner)
{
    oeffnen();
    anzeigen(fenster.RBFahrten);
    exportieren(ziel(QStringLiteral("erste.csv")));

    const QString vorschlag = exportieren(QString());

    EXPECT_EQ(vorschlag, ziel(QStringLiteral("Fahrten_B-XY-1-Golf_2002-2006.csv")));
    EXPECT_TRUE(QFile::exists(ziel(QStringLiteral("erste.csv"))));
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("erste.csv")});
}

TEST_F(ExportTest, OhneErgebnisKeinExport)
{
    oeffnen();
    EXPECT_FALSE(fenster.btExportieren->isEnabled());
}

TEST_F(ExportTest, UnbeschreibbarerOrtMeldetFehlerUndLaesstNichtsZurueck)
{
    oeffnen();
    anzeigen(fenster.RBFahrten);

    exportieren(ziel(QStringLiteral("fehlt/fahrten.csv")));

    const ScriptedPrompts::Shown& meldung = ScriptedPrompts::get().shown().back();
    EXPECT_EQ(meldung.title, QStringLiteral("Fehler"));
    EXPECT_TRUE(meldung.text.contains(QStringLiteral("konnte nicht geschrieben werden"))) << meldung.text.toStdString();
    EXPECT_FALSE(QFile::exists(ziel(QStringLiteral("fehlt/fahrten.csv"))));
}

struct FahrerExportFall {
    const char* name;
    bool einFahrer;
    bool einTag;
    QString vorschlag;
    QList<QStringList> zeilen;
};

class FahrerExportTest : public ExportTest, public ::testing::WithParamInterface<FahrerExportFall> {};

TEST_P(FahrerExportTest, FahreransichtenMitStundenUndBlankenKilometern)
{
    const FahrerExportFall& fall = GetParam();
    // The example day: 08:00 to 09:00 and 10:00 to 11:00, 40 and 60 km.
    build::fahrt(d.fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 1000, 1040));
    build::fahrt(d.fahrt(am(2006, 5, 2, 10), am(2006, 5, 2, 11), 1040, 1100));
    oeffnen();
    if (fall.einFahrer)
        waehle(fenster.cbFahrer, QStringLiteral("Meier"));
    if (fall.einTag) {
        ankreuzen(fenster.cbxAbDat, fenster.dtpAbDat, QDate(2006, 5, 2));
        ankreuzen(fenster.cbxAnDat, fenster.dtpAnDat, QDate(2006, 5, 2));
    }
    anzeigen(fenster.RBFahrer);

    const QString vorschlag = exportieren(ziel(QStringLiteral("fahrer.csv")));

    EXPECT_EQ(QFileInfo(vorschlag).fileName(), fall.vorschlag);
    const PythonCsv csv = mitPythonLesen(ziel(QStringLiteral("fahrer.csv")));
    EXPECT_TRUE(csv.mitBytereihenfolge);
    ASSERT_FALSE(csv.zeilen.isEmpty());
    EXPECT_EQ(csv.zeilen.mid(1), fall.zeilen);
    EXPECT_EQ(csv.zeilen[0], fenster.stand().fahrerTabelle.kopf);
}

INSTANTIATE_TEST_SUITE_P(
    Ansichten, FahrerExportTest,
    ::testing::Values(FahrerExportFall{"alleFahrer",
                                       false,
                                       false,
                                       "Fahrer_alle_2002-2006.csv",
                                       {{"Meier", "2", "03:00", "02:00", "100", "01:00"},
                                        {"O'Brien", "0", "00:00", "00:00", "0", "00:00"}}},
                      FahrerExportFall{"jeTag",
                                       true,
                                       false,
                                       "Fahrer_Meier_2002-2006.csv",
                                       {{"02.05.2006", "08:00", "11:00", "03:00", "02:00", "100", "01:00"},
                                        {"Summe:", "", "", "03:00", "02:00", "100", "01:00"}}},
                      FahrerExportFall{"einTag",
                                       true,
                                       true,
                                       "Fahrer_Meier_2006.csv",
                                       {{"08:00", "09:00", "B-XY 1, Golf", "Büro", "D'dorf Kunde", "1000", "1040", "40",
                                         "01:00", "Besuch", "G", ""},
                                        {"09:00", "10:00", "", "", "", "", "", "", "01:00", "Standzeit", "", ""},
                                        {"10:00", "11:00", "B-XY 1, Golf", "Büro", "D'dorf Kunde", "1040", "1100", "60",
                                         "01:00", "Besuch", "G", ""},
                                        {"Summe:", "", "", "", "", "", "", "100", "02:00", "Fahrzeit", "", ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExportTest, FahrzeugansichtWieAngezeigt)
{
    build::fahrt(d.fahrt(am(2006, 5, 2, 8), am(2006, 5, 2, 9), 1000, 1075));
    auto privat = d.fahrt(am(2006, 5, 3, 8), am(2006, 5, 3, 9), 1075, 1100);
    privat.art = 2;
    build::fahrt(privat);
    oeffnen();
    anzeigen(fenster.RBFahrzeug);

    const QString vorschlag = exportieren(ziel(QStringLiteral("fahrzeuge.csv")));

    EXPECT_EQ(QFileInfo(vorschlag).fileName(), QStringLiteral("Fahrzeuge_2002-2006.csv"));
    const PythonCsv csv = mitPythonLesen(ziel(QStringLiteral("fahrzeuge.csv")));
    ASSERT_EQ(csv.zeilen.size(), 2);
    EXPECT_EQ(csv.zeilen[0], fenster.stand().fahrzeugTabelle.kopf);
    EXPECT_EQ(csv.zeilen[1], (QStringList{"B-XY 1, Golf", "2", "100", "0", "25", "0", "75", "25,0 %"}));
}

// --- Yearly logbook ---

class JahresfahrtenbuchTest : public ExportTest {
protected:
    QString pdf() const { return ziel(QStringLiteral("Fahrtenbuch_B-XY-1-Golf_2005.pdf")); }
    QString csv() const { return ziel(QStringLiteral("Fahrtenbuch_B-XY-1-Golf_2005.csv")); }

    void jahrUndOrdner(const QString& jahr)
    {
        ScriptedPrompts::get().answerInput(jahr);
        ScriptedPrompts::get().answerPath(ordner.path());
    }
};

TEST_F(JahresfahrtenbuchTest, SchreibtPdfUndCsvDesJahresNebeneinander)
{
    auto privat = d.fahrt(am(2005, 3, 1, 8), am(2005, 3, 1, 9), 1000, 1042);
    privat.art = 2;
    build::fahrt(privat);
    build::fahrt(d.fahrt(am(2005, 12, 31, 23, 30), am(2006, 1, 1, 0, 20), 1042, 1080));
    build::fahrt(d.fahrt(am(2006, 1, 2, 8), am(2006, 1, 2, 9), 1080, 1100));
    oeffnen();
    jahrUndOrdner(QStringLiteral("2005"));

    fenster.btJahresfahrtenbuch->click();

    const PythonCsv zeilen = mitPythonLesen(csv());
    ASSERT_EQ(zeilen.zeilen.size(), 3);
    EXPECT_EQ(zeilen.zeilen[1][0], QStringLiteral("01.03.2005 08:00:00"));
    // The trip over New Year's Eve departs in 2005 and belongs to it.
    EXPECT_EQ(zeilen.zeilen[2][0], QStringLiteral("31.12.2005 23:30:00"));
    const QString text = reporttest::pdfText(pdf());
    EXPECT_TRUE(text.contains(QStringLiteral("Auswertung vom 01.01.2005 bis 31.12.2005"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("42 km")));
    EXPECT_TRUE(text.contains(QStringLiteral("80 km")));
    EXPECT_EQ(ScriptedPrompts::get().shown().back().title, QStringLiteral("Information"));
    EXPECT_TRUE(ScriptedPrompts::get().shown().back().text.startsWith(
        QStringLiteral("Das Jahresfahrtenbuch 2005 für B-XY 1, Golf wurde geschrieben:")));
}

TEST_F(JahresfahrtenbuchTest, OhneGewaehltesFahrzeugNurEinHinweis)
{
    oeffnen();
    waehle(fenster.cbFahrzeug, QStringLiteral("alle"));

    fenster.btJahresfahrtenbuch->click();

    ASSERT_EQ(ScriptedPrompts::get().shown().size(), 1u);
    EXPECT_EQ(ScriptedPrompts::get().shown().back().title, QStringLiteral("Warnung"));
    EXPECT_TRUE(ScriptedPrompts::get().texts().last().contains(QStringLiteral("„Fahrzeug“")));
}

TEST_F(JahresfahrtenbuchTest, UngueltigesJahrWirdAbgewiesen)
{
    oeffnen();
    ScriptedPrompts::get().answerInput(QStringLiteral("20x5"));

    fenster.btJahresfahrtenbuch->click();

    EXPECT_EQ(ScriptedPrompts::get().beeps(), 1);
    EXPECT_EQ(ScriptedPrompts::get().texts().last(), QStringLiteral("Bitte geben Sie ein Jahr von 2002 bis 2006 ein."));
    EXPECT_TRUE(QDir(ordner.path()).isEmpty());
}

TEST_F(JahresfahrtenbuchTest, VorhandeneDateienNurNachRueckfrageErsetzt)
{
    QFile alt(csv());
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.write("alt");
    alt.close();
    oeffnen();
    jahrUndOrdner(QStringLiteral("2005"));
    ScriptedPrompts::get().answer(PromptAnswer::No);

    fenster.btJahresfahrtenbuch->click();

    EXPECT_EQ(ScriptedPrompts::get().shown().back().title, QStringLiteral("Achtung"));
    EXPECT_EQ(dateiinhalt(csv()), QByteArray("alt"));
    EXPECT_FALSE(QFile::exists(pdf()));
}

namespace {

class BetriebspruefungTest : public ExportTest {
protected:
    QString prueferordner() const { return ziel(QStringLiteral("Prüfung 2005")); }

    void jahrUndOrdner(const QString& jahr)
    {
        ScriptedPrompts::get().answerInput(jahr);
        ScriptedPrompts::get().answerPath(prueferordner());
    }

    // Starting, each percentage, the end: -1 stands for the end.
    std::vector<int> fortschritt_;
};

} // namespace

TEST_F(BetriebspruefungTest, SchreibtDenOrdnerMitFortschrittDesGewaehltenFahrzeugs)
{
    build::fahrt(d.fahrt(am(2005, 3, 1, 8), am(2005, 3, 1, 9), 1000, 1042));
    build::fahrt(d.fahrt(am(2006, 1, 2, 8), am(2006, 1, 2, 9), 1042, 1100));
    fenster.setFortschritt({[this](const QWidget*) { fortschritt_.push_back(0); },
                            [this](int p) { fortschritt_.push_back(p); }, [this] { fortschritt_.push_back(-1); }});
    oeffnen();
    jahrUndOrdner(QStringLiteral("2005"));

    fenster.btBetriebspruefung->click();

    ASSERT_TRUE(QFileInfo::exists(QDir(prueferordner()).filePath(QStringLiteral("index.xml"))));
    const PythonCsv fahrten = mitPythonLesen(QDir(prueferordner()).filePath(QStringLiteral("fahrtenbuch.csv")));
    ASSERT_EQ(fahrten.zeilen.size(), 2);
    EXPECT_EQ(fahrten.zeilen[1][2], QStringLiteral("01.03.2005 08:00:00"));
    ASSERT_GE(fortschritt_.size(), 3u);
    EXPECT_EQ(fortschritt_.front(), 0);
    EXPECT_EQ(fortschritt_[fortschritt_.size() - 2], 100);
    EXPECT_EQ(fortschritt_.back(), -1);
    EXPECT_TRUE(std::is_sorted(fortschritt_.begin(), fortschritt_.end() - 1));
    EXPECT_EQ(ScriptedPrompts::get().shown().back().title, QStringLiteral("Information"));
    EXPECT_TRUE(ScriptedPrompts::get().shown().back().text.startsWith(
        QStringLiteral("Der Export für die Betriebsprüfung 2005 wurde geschrieben:")));
}

TEST_F(BetriebspruefungTest, EinOrdnerMitInhaltWirdAbgewiesen)
{
    ASSERT_TRUE(QDir().mkpath(prueferordner()));
    QFile fremd(QDir(prueferordner()).filePath(QStringLiteral("notiz.txt")));
    ASSERT_TRUE(fremd.open(QIODevice::WriteOnly));
    fremd.close();
    oeffnen();
    jahrUndOrdner(QStringLiteral("2005"));

    fenster.btBetriebspruefung->click();

    EXPECT_EQ(ScriptedPrompts::get().shown().back().title, QStringLiteral("Fehler"));
    EXPECT_TRUE(ScriptedPrompts::get().texts().last().contains(QStringLiteral("ist nicht leer")));
    EXPECT_EQ(QDir(prueferordner()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("notiz.txt")});
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Prüfung 2005")});
}
