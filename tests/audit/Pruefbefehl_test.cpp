#include "AltesLogbuch.h"

#include "audit/Fahrtenbuchpruefung.h"
#include "audit/Pruefbefehl.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "support/Kettenangriffe.h"
#include "support/Pruefwertzeile.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

// A logbook with two trips, checked from the command line after the program closed it.
class Pruefbefehl : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::setFixed(QDateTime(QDate(2006, 3, 10), QTime(12, 0)));
        golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf")});
        for (int tag : {1, 2})
            fahrt(tag);
    }
    void TearDown() override { Clock::reset(); }

    int fahrt(int tag) { return build::maerzfahrt(golf, tag); }

    pruefbefehl::Ergebnis pruefen(const std::optional<QString>& gegen = std::nullopt)
    {
        Database::schliessen();
        return pruefbefehl::ausfuehren(db.file(), gegen);
    }

    TestDatabase db;
    int golf = 0;
};

} // namespace

TEST_F(Pruefbefehl, UnveraendertesFahrtenbuchGibtNullUndDenPruefwert)
{
    const QString pruefwert = fahrtenbuchpruefung::pruefen().pruefwert();
    const auto ergebnis = pruefen();
    EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::unveraendert);
    EXPECT_TRUE(ergebnis.text.startsWith(QStringLiteral("Alle 5 Einträge sind unverändert")))
        << ergebnis.text.toStdString();
    // All 256 bits on a line of their own, beginning with the 128 that pages print.
    const QString zeile = pruefwertzeile(ergebnis.text);
    EXPECT_TRUE(zeile.startsWith(QStringLiteral("Prüfwert: ") + pruefwert + QLatin1Char(' '))) << zeile.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Prüfwert: [0-9A-F]{4}( [0-9A-F]{4}){15}$")).match(zeile).hasMatch())
        << zeile.toStdString();
    EXPECT_FALSE(Database::isOpen());
}

TEST_F(Pruefbefehl, VeraenderteFahrtGibtEinsUndNenntSie)
{
    SqlStatement("UPDATE T_MIREL SET km_an = 1149 WHERE km_an = 1150").exec();
    const auto ergebnis = pruefen();
    EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::veraendert);
    EXPECT_TRUE(ergebnis.text.contains(QStringLiteral(
        "- Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 02.03.2006 08:00: nach dem Speichern verändert.")))
        << ergebnis.text.toStdString();
    // No value that would vouch for the changed logbook.
    EXPECT_TRUE(
        ergebnis.text.split(QLatin1Char('\n')).contains(QStringLiteral("Prüfwert ungültig – Fahrtenbuch verändert")))
        << ergebnis.text.toStdString();
    EXPECT_FALSE(ergebnis.text.contains(QStringLiteral("Prüfwert: ")));
}

namespace {

// How a printed Prüfwert reaches `--gegen`: from the hash of the state, 32 bytes in hex.
struct Wertform {
    const char* name;
    std::function<QString(const QString& hex)> form;
};

void PrintTo(const Wertform& f, std::ostream* os)
{
    *os << f.name;
}

class PruefbefehlWertform : public Pruefbefehl, public ::testing::WithParamInterface<Wertform> {};

} // namespace

TEST_P(PruefbefehlWertform, GegenBestaetigtDenFrueherenStandInJederGedrucktenForm)
{
    const Pruefergebnis damals = fahrtenbuchpruefung::pruefen();
    const QString hex = QString::fromLatin1(pruefkette::gesamtwert(damals.koepfe).toHex()).toUpper();
    fahrt(3);
    const auto ergebnis = pruefen(GetParam().form(hex));
    EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::unveraendert) << ergebnis.text.toStdString();
    EXPECT_TRUE(ergebnis.text.contains(QStringLiteral("(5 Einträge) ist unverändert in dieser Datei enthalten.")))
        << ergebnis.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Formen, PruefbefehlWertform,
    ::testing::Values(
        Wertform{"Gedruckt",
                 [](const QString& hex) { return pruefkette::anzeige(QByteArray::fromHex(hex.toLatin1())); }},
        Wertform{"OhneLeerzeichen", [](const QString& hex) { return hex.left(32); }},
        Wertform{"KleinMitBindestrichen",
                 [](const QString& hex) { return hex.left(16).toLower() + QLatin1Char('-') + hex.mid(16, 16); }},
        Wertform{"AlleZiffernDerPruefung", [](const QString& hex) { return hex; }},
        Wertform{"FruehereSechzehnZiffern", [](const QString& hex) { return hex.left(16); }}),
    [](const ::testing::TestParamInfo<Wertform>& info) { return std::string(info.param.name); });

TEST_F(Pruefbefehl, GegenEinenNieGedrucktenWertVerneint)
{
    const QString hex = QString::fromLatin1(pruefkette::gesamtwert(fahrtenbuchpruefung::pruefen().koepfe).toHex());
    // The same digits with the last one changed.
    QString falsch = hex.left(32);
    falsch[31] = falsch[31] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
    const auto ergebnis = pruefen(falsch);
    EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::veraendert) << ergebnis.text.toStdString();
}

TEST_F(Pruefbefehl, GegenEinenFrueherenStandBestaetigtIhn)
{
    const QString damals = fahrtenbuchpruefung::pruefen().pruefwert();
    fahrt(3);
    const auto ergebnis = pruefen(damals.toLower().insert(4, u' '));
    EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::unveraendert) << ergebnis.text.toStdString();
    EXPECT_TRUE(ergebnis.text.endsWith(
        QStringLiteral("Der Stand mit dem Prüfwert %1 (5 Einträge) ist unverändert in dieser Datei enthalten.")
            .arg(damals)));
}

TEST_F(Pruefbefehl, NeuBerechneteKetteFaelltNurGegenDenGedrucktenWertAuf)
{
    const QString damals = fahrtenbuchpruefung::pruefen().pruefwert();
    fahrt(3);
    kettenangriff::ketteNeuBerechnen();
    EXPECT_TRUE(fahrtenbuchpruefung::pruefen().unveraendert());
    const auto ergebnis = pruefen(damals);
    EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::veraendert);
    EXPECT_TRUE(ergebnis.text.endsWith(
        QStringLiteral("Der Stand mit dem Prüfwert %1 ist in dieser Datei nicht unverändert enthalten.").arg(damals)));
}

TEST_F(Pruefbefehl, AenderungVorDemGedrucktenStandVerneintIhn)
{
    const QString damals = fahrtenbuchpruefung::pruefen().pruefwert();
    fahrt(3);
    SqlStatement("UPDATE T_MIREL SET Bemerkung = 'nachträglich' WHERE km_an = 1100").exec();
    const auto ergebnis = pruefen(damals);
    EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::veraendert);
    EXPECT_TRUE(ergebnis.text.contains(QStringLiteral("nicht unverändert enthalten")));
}

struct Fehlerfall {
    const char* name;
    std::function<QString(const TestDatabase&)> datei;
    std::optional<QString> gegen;
    const char* meldung;
};

void PrintTo(const Fehlerfall& f, std::ostream* os)
{
    *os << f.name;
}

class Fehlerfaelle : public Pruefbefehl, public ::testing::WithParamInterface<Fehlerfall> {};

TEST_P(Fehlerfaelle, GebenZweiUndEinenGrund)
{
    Database::schliessen();
    const auto ergebnis = pruefbefehl::ausfuehren(GetParam().datei(db), GetParam().gegen);
    EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::fehler);
    EXPECT_TRUE(ergebnis.text.contains(QString::fromUtf8(GetParam().meldung))) << ergebnis.text.toStdString();
    EXPECT_FALSE(Database::isOpen());
}

namespace {

QString datei(const TestDatabase& db, const QString& name, const QByteArray& inhalt)
{
    const QString pfad = db.directory() + QLatin1Char('/') + name;
    QFile f(pfad);
    f.open(QIODevice::WriteOnly);
    f.write(inhalt);
    return pfad;
}

// An SQLite database that belongs to another program.
QString fremdeDatenbank(const TestDatabase& db)
{
    const QString pfad = db.directory() + QStringLiteral("/andere.db");
    {
        QSqlDatabase andere = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("andere"));
        andere.setDatabaseName(pfad);
        andere.open();
        QSqlQuery(andere).exec(QStringLiteral("CREATE TABLE rechnungen (nr INTEGER)"));
        andere.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("andere"));
    return pfad;
}

QString altesSchema(const TestDatabase& db)
{
    return altesLogbuch(db.directory(), QStringLiteral("alt.db"));
}

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Dateien, Fehlerfaelle,
    ::testing::Values(
        Fehlerfall{"Fehlt", [](const TestDatabase& db) { return db.directory() + QStringLiteral("/fehlt.db"); },
                   std::nullopt, "wurde nicht gefunden"},
        Fehlerfall{"Fremd",
                   [](const TestDatabase& db) {
                       return datei(db, QStringLiteral("fremd.db"), QByteArray("kein SQLite, nur Text ").repeated(40));
                   },
                   std::nullopt, "konnte nicht geprüft werden"},
        Fehlerfall{"AndereDatenbank", fremdeDatenbank, std::nullopt,
                   "Die Datenbank enthält kein Fahrtenbuch von Varno."},
        Fehlerfall{"OhneKette", altesSchema, std::nullopt, "Die Datei hat noch keine Prüfkette (Schema 1)."},
        Fehlerfall{"FalscherPruefwert", [](const TestDatabase& db) { return db.file(); }, QStringLiteral("12345"),
                   "Der Prüfwert „12345“ besteht nicht aus 32 Hexadezimalziffern (oder den 16 früher gedruckten)."},
        Fehlerfall{"SiebzehnZiffern", [](const TestDatabase& db) { return db.file(); },
                   QStringLiteral("0123456789ABCDEF0"), "besteht nicht aus 32 Hexadezimalziffern"},
        Fehlerfall{"EineZifferZuviel", [](const TestDatabase& db) { return db.file(); },
                   QStringLiteral("0123 4567 89AB CDEF 0123 4567 89AB CDEF 0"),
                   "besteht nicht aus 32 Hexadezimalziffern"},
        Fehlerfall{"KeineHexziffer", [](const TestDatabase& db) { return db.file(); },
                   QStringLiteral("0123 4567 89AB CDEF 0123 4567 89AB CDEG"),
                   "besteht nicht aus 32 Hexadezimalziffern"},
        Fehlerfall{"Ungueltig", [](const TestDatabase& db) { return db.file(); }, QStringLiteral("ungültig"),
                   "besteht nicht aus 32 Hexadezimalziffern"}));

namespace {

// The earlier state searched on a SQLite file and on a server, whose ID columns are 32-bit.
class PruefbefehlGegen : public BeideDatenbanken {};

} // namespace

TEST_P(PruefbefehlGegen, FindetDenFrueherenStandAufBeidenDatenbanken)
{
    if (IsSkipped())
        return;
    Clock::setFixed(QDateTime(QDate(2006, 3, 10), QTime(12, 0)));
    const int golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf")});
    const auto fahrt = [golf](int tag) { build::maerzfahrt(golf, tag); };
    fahrt(1);
    const QString damals = fahrtenbuchpruefung::pruefen().pruefwert();
    fahrt(2);
    Database::schliessen();
    const auto ergebnis = pruefbefehl::ausfuehren(db().ort(), damals);
    Clock::reset();
    EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::unveraendert) << ergebnis.text.toStdString();
    EXPECT_TRUE(ergebnis.text.contains(QStringLiteral("Der Stand mit dem Prüfwert %1").arg(damals)))
        << ergebnis.text.toStdString();
}

MIT_BEIDEN_DATENBANKEN(PruefbefehlGegen);
