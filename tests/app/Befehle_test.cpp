#include "Befehlslauf.h"

#include "admin/SicherungStore.h"
#include "app/Befehle.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "logbuch/Logbuch.h"
#include "platform/FakeVolumeSerial.h"
#include "support/PythonCsv.h"
#include "support/TestDatabase.h"
#include "support/Testserver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool eineZeile(const QString& text)
{
    return !text.isEmpty() && text.indexOf(QLatin1Char('\n')) == text.size() - 1;
}

class BefehleTest : public ::testing::Test {
protected:
    BefehleTest() { Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0, 5))); }
    ~BefehleTest() override { Clock::reset(); }

    QString datei(const QString& name) const { return ordner.filePath(name); }

    TestDatabase db;
    QTemporaryDir ordner;
};

} // namespace

// --- Exit codes and messages ---

struct CodeFall {
    const char* name;
    QStringList argumente;
    int code;
    // The start of stdout (code 0) or of the one line on stderr (codes 1 and 2).
    const char* text;
};

class BefehlsCodeTest : public BefehleTest, public ::testing::WithParamInterface<CodeFall> {};

TEST_P(BefehlsCodeTest, CodeUndMeldung)
{
    const CodeFall& fall = GetParam();
    QStringList argumente;
    for (const QString& argument : fall.argumente)
        argumente << QString(argument).replace(QStringLiteral("ORDNER"), ordner.path());

    const Lauf lauf = varno(argumente);

    EXPECT_EQ(lauf.code, fall.code) << lauf.fehler.toStdString();
    const QString text = QString::fromUtf8(fall.text).replace(QStringLiteral("ORDNER"), ordner.path());
    if (fall.code == Befehle::erfolg) {
        EXPECT_TRUE(lauf.aus.startsWith(text)) << lauf.aus.toStdString();
        EXPECT_TRUE(lauf.fehler.isEmpty());
    } else {
        EXPECT_TRUE(lauf.fehler.startsWith(text)) << lauf.fehler.toStdString();
        EXPECT_TRUE(eineZeile(lauf.fehler)) << lauf.fehler.toStdString();
        EXPECT_TRUE(lauf.aus.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BefehlsCodeTest,
    ::testing::Values(
        CodeFall{"hilfe", {"--help"}, 0, "Varno – elektronisches Fahrtenbuch\n"},
        CodeFall{"hilfeExport", {"export", "--help"}, 0, "Aufruf: varno export"},
        CodeFall{"hilfeKarte", {"karte", "einlesen", "-h"}, 0, "Aufruf: varno karte einlesen"},
        CodeFall{"version", {"--version"}, 0, "Varno "},
        CodeFall{
            "unbekannterBefehl", {"exportieren"}, 2, "varno: unbekannter Befehl „exportieren“ (Hilfe: varno --help)"},
        CodeFall{"exportOhneDatei",
                 {"export", "--fahrzeug", "Musterfahrzeug", "--jahr", "2005"},
                 2,
                 "varno export: „--csv DATEI“ oder „--pdf DATEI“ fehlt (Hilfe: varno export --help)"},
        CodeFall{
            "sichernOhneOrdner", {"sichern"}, 2, "varno sichern: der Zielordner fehlt (Hilfe: varno sichern --help)"},
        CodeFall{"unbekanntesFahrzeug",
                 {"export", "--fahrzeug", "HH-ZZ 9", "--jahr", "2005", "--csv", "ORDNER/x.csv"},
                 1,
                 "varno export: Das Fahrzeug „HH-ZZ 9“ ist nicht angelegt."},
        CodeFall{"fehlendeDatenbank",
                 {"sichern", "ORDNER", "--datenbank", "ORDNER/fehlt.db"},
                 1,
                 "varno sichern: Die Datenbank ORDNER/fehlt.db wurde nicht gefunden."},
        CodeFall{"keineDatenbank",
                 {"sichern", "ORDNER", "--datenbank", "ORDNER"},
                 1,
                 "varno sichern: Die Datenbank ORDNER wurde nicht gefunden."},
        CodeFall{"fehlenderZielordner",
                 {"sichern", "ORDNER/fehlt"},
                 1,
                 "varno sichern: Der Zielordner ORDNER/fehlt wurde nicht gefunden."},
        CodeFall{"unbeschreibbareDatei",
                 {"export", "--fahrzeug", "Musterfahrzeug", "--jahr", "2005", "--csv", "ORDNER/fehlt/x.csv"},
                 1,
                 "varno export: Die Datei \"ORDNER/fehlt/x.csv\" konnte nicht geschrieben werden: "},
        CodeFall{"fehlendeDatendatei",
                 {"karte", "einlesen", "ORDNER/daten.txt"},
                 1,
                 "varno karte einlesen: Fehler bei Dateizugriff: ORDNER/daten.txt"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- export ---

TEST_F(BefehleTest, ExportSchreibtCsvUndPdfDesJahres)
{
    SqlStatement("INSERT INTO T_MIREL (KFZ, AbDat, AnDat, km_ab, km_an, Start, Ziel, Art, Zweck, Kategorie, Fahrer, "
                 "Bemerkung) VALUES (1, '2005-03-01 08:00:00', '2005-03-01 09:00:00', 10000, 10042, ?, ?, 2, 1, ?, "
                 "?, 'Tanken; \"voll\"')")
        .bind(build::ort(QStringLiteral("Büro")))
        .bind(build::ort(QStringLiteral("Köln")))
        .bind(build::kategorie(QStringLiteral("Standard")))
        .bind(build::fahrer(QStringLiteral("Meier")))
        .exec();

    // A plate is found as names are, without regard to case; the files name it as stored.
    const Lauf lauf = varno(
        {"export", "--fahrzeug", "musterFAHRZEUG", "--jahr", "2005", "--csv", datei("j.csv"), "--pdf", datei("j.pdf")});

    ASSERT_EQ(lauf.code, Befehle::erfolg) << lauf.fehler.toStdString();
    EXPECT_EQ(lauf.aus, QStringLiteral("Geschrieben: %1\nGeschrieben: %2\n").arg(datei("j.pdf"), datei("j.csv")));
    const PythonCsv csv = mitPythonLesen(datei("j.csv"));
    ASSERT_EQ(csv.zeilen.size(), 2);
    EXPECT_EQ(csv.zeilen[1], (QStringList{"01.03.2005 08:00:00", "09:00:00", "Büro", "Köln", "10000", "10042",
                                          "Musterfahrzeug", "Meier", "keine Angabe", "Standard", "P", "x", "privat",
                                          "42", "vor Einführung der Prüfkette", "", "Tanken; \"voll\"", ""}));
    EXPECT_TRUE(QFile(datei("j.pdf")).size() > 0);
}

// --- sichern ---

TEST_F(BefehleTest, SichernSchreibtEineGepruefteSicherungUndErsetztKeine)
{
    const Lauf lauf = varno({"sichern", ordner.path()});

    const QString sicherung = datei("20060601_100005.sav");
    ASSERT_EQ(lauf.code, Befehle::erfolg) << lauf.fehler.toStdString();
    EXPECT_EQ(lauf.aus, QStringLiteral("Gesichert: %1\n").arg(sicherung));
    EXPECT_EQ(SicherungStore::ruecksicherungsMangel(sicherung), std::nullopt);

    const qint64 groesse = QFile(sicherung).size();
    const Lauf nochmal = varno({"sichern", ordner.path() + "/"});
    EXPECT_EQ(nochmal.code, Befehle::fehlschlag);
    EXPECT_EQ(nochmal.fehler,
              QStringLiteral("varno sichern: Die Sicherung %1 ist bereits vorhanden.\n").arg(sicherung));
    EXPECT_EQ(QFile(sicherung).size(), groesse);
}

TEST_F(BefehleTest, AndereDatenbankPerOption)
{
    QTemporaryDir anderer;
    const QString andere = anderer.filePath(QStringLiteral("anders.db"));
    ASSERT_TRUE(QFile::copy(db.file(), andere));
    build::fahrzeug({.kennzeichen = QStringLiteral("NUR-HIER 1")});

    const Lauf lauf =
        varno({"export", "--datenbank", andere, "--fahrzeug", "NUR-HIER 1", "--jahr", "2005", "--csv", datei("x.csv")});

    EXPECT_EQ(lauf.code, Befehle::fehlschlag);
    EXPECT_EQ(lauf.fehler, QStringLiteral("varno export: Das Fahrzeug „NUR-HIER 1“ ist nicht angelegt.\n"));
}

// --- --neue-datenbank ---

TEST_F(BefehleTest, NeueDatenbankLegtOrdnerUndLogbuchAmGewaehltenOrtAn)
{
    const QString logbuch = datei(QStringLiteral("Firma/Fahrten/fahrten.db"));
    const Lauf lauf = varno({"--datenbank", logbuch, "--neue-datenbank"});
    ASSERT_EQ(lauf.code, Befehle::erfolg) << lauf.fehler.toStdString();
    EXPECT_EQ(lauf.aus, QStringLiteral("Neue Datenbank %1 angelegt.\n").arg(logbuch));
    Logbuch::oeffnen(logbuch);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Optionen"), 1);

    const qint64 groesse = QFile(logbuch).size();
    const Lauf nochmal = varno({"--datenbank", logbuch, "--neue-datenbank"});
    EXPECT_EQ(nochmal.code, Befehle::fehlschlag);
    EXPECT_EQ(nochmal.fehler, QStringLiteral("varno: Die Datei %1 ist bereits vorhanden.\n").arg(logbuch));
    EXPECT_EQ(QFile(logbuch).size(), groesse);
}

TEST_F(BefehleTest, NeueDatenbankInUnbrauchbaremOrdnerSchreibtNirgendwoHin)
{
    const Lauf lauf = varno({"--datenbank", "/proc/varno.db", "--neue-datenbank"});
    EXPECT_EQ(lauf.code, Befehle::fehlschlag);
    EXPECT_EQ(lauf.fehler, QStringLiteral("varno: In den Ordner /proc für das Fahrtenbuch kann nicht geschrieben "
                                          "werden. Varno wird beendet.\n"));
    EXPECT_TRUE(lauf.aus.isEmpty());
}

// --- a logbook on a PostgreSQL server ---

TEST_F(BefehleTest, NeueDatenbankAufDemServerUndExportVonDort)
{
    if (!testserver::adresse())
        GTEST_SKIP() << testserver::fehlt;
    const QString server = testserver::leereDatenbank();

    const Lauf neu = varno({"--datenbank", server, "--neue-datenbank"});
    ASSERT_EQ(neu.code, Befehle::erfolg) << neu.fehler.toStdString();
    EXPECT_EQ(neu.aus, QStringLiteral("Neue Datenbank %1 angelegt.\n").arg(server));
    const Lauf nochmal = varno({"--datenbank", server, "--neue-datenbank"});
    EXPECT_EQ(nochmal.code, Befehle::fehlschlag);
    EXPECT_TRUE(nochmal.fehler.contains(QStringLiteral("ist nicht leer"))) << nochmal.fehler.toStdString();

    Logbuch::oeffnen(server);
    build::fahrt({.kfz = 1,
                  .ab = QDateTime(QDate(2005, 3, 1), QTime(8, 0)),
                  .an = QDateTime(QDate(2005, 3, 1), QTime(9, 0)),
                  .kmAb = 10000,
                  .kmAn = 10042,
                  .start = build::ort(QStringLiteral("Büro")),
                  .ziel = build::ort(QStringLiteral("Köln")),
                  .art = 2,
                  .kategorie = build::kategorie(QStringLiteral("Standard")),
                  .fahrer = build::fahrer(QStringLiteral("Meier"))});
    const Lauf export_ = varno(
        {"export", "--datenbank", server, "--fahrzeug", "Musterfahrzeug", "--jahr", "2005", "--csv", datei("s.csv")});
    ASSERT_EQ(export_.code, Befehle::erfolg) << export_.fehler.toStdString();
    const PythonCsv csv = mitPythonLesen(datei("s.csv"));
    ASSERT_EQ(csv.zeilen.size(), 2);
    EXPECT_EQ(csv.zeilen[1].mid(0, 6),
              (QStringList{"01.03.2005 08:00:00", "09:00:00", "Büro", "Köln", "10000", "10042"}));

    const Lauf sichern = varno({"sichern", ordner.path(), "--datenbank", server});
    ASSERT_EQ(sichern.code, Befehle::erfolg) << sichern.fehler.toStdString();
    EXPECT_EQ(SicherungStore::ruecksicherungsMangel(datei("20060601_100005.sav")), std::nullopt);

    const Lauf pruefen = varno({"pruefen", "--datenbank", server});
    EXPECT_EQ(pruefen.code, Befehle::erfolg) << pruefen.fehler.toStdString();
    Logbuch::oeffnen(server);
    SqlStatement("UPDATE T_MIREL SET km_an = 10043 WHERE km_an = 10042").exec();
    const Lauf verraten = varno({"pruefen", "--datenbank", server});
    EXPECT_EQ(verraten.code, Befehle::fehlschlag);
    EXPECT_TRUE(verraten.aus.contains(QStringLiteral("nach dem Speichern verändert."))) << verraten.aus.toStdString();
}
