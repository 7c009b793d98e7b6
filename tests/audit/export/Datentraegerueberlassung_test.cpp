#include "Beschreibungsleser.h"
#include "Pruefungslogbuch.h"
#include "audit/Ankerdatei.h"
#include "audit/ZeitstempelStore.h"
#include "audit/export/Beschreibungsstandard.h"
#include "audit/export/Datentraegerueberlassung.h"
#include "common/VarnoError.h"
#include "db/SqlStatement.h"
#include "support/Spaltenwerte.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

using beschreibungsleser::Datensatz;
using beschreibungsleser::Tabelle;

namespace {

const Exportzeitraum jahr2025{QDate(2025, 1, 1), QDate(2025, 12, 31), std::nullopt, {}};

// A logbook row as the test reads it straight from the tables, to hold the export against.
struct Erwartet {
    qint64 kmAb = 0, kmAn = 0;
    QDateTime abfahrt;
    QString fahrzeug, zweck, bemerkung, pruefwert;
};

std::map<qint64, Erwartet> fahrtenDesJahres(std::optional<int> fahrzeug)
{
    SqlStatement s(QStringLiteral(
        "SELECT m.ID, m.km_ab, m.km_an, m.AbDat, k.KZuFzg, z.Bezeichnung, m.Bemerkung, m.Pruefwert FROM T_MIREL m "
        "JOIN T_KFZ k ON k.ID = m.KFZ LEFT JOIN T_ZWECK z ON z.ID = m.Zweck WHERE m.Art <> 99 AND m.Storniert = 0 "
        "AND m.AbDat >= '2025-01-01 00:00:00' AND m.AbDat <= '2025-12-31 23:59:59' AND (? = 0 OR m.KFZ = ?)"));
    s.bind(fahrzeug.value_or(0)).bind(fahrzeug.value_or(0)).exec();
    std::map<qint64, Erwartet> zeilen;
    while (s.next())
        zeilen[s.value(0).toLongLong()] = {
            s.value(1).toLongLong(),
            s.value(2).toLongLong(),
            QDateTime::fromString(s.value(3).toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            s.value(4).toString(),
            s.value(5).toString(),
            s.value(6).toString(),
            QString::fromLatin1(s.value(7).toByteArray().toHex().toUpper())};
    return zeilen;
}

QString text(const Datensatz& satz, const char* spalte)
{
    return satz.at(QString::fromLatin1(spalte)).toString();
}

qint64 zahl(const Datensatz& satz, const char* spalte)
{
    return satz.at(QString::fromLatin1(spalte)).toLongLong();
}

QStringList spalteAusExport(const Tabelle& t, const char* spalte)
{
    QStringList werte;
    for (const Datensatz& satz : t.datensaetze)
        werte << text(satz, spalte);
    return werte;
}

// xmllint checks index.xml against the DTD beside it. The standard's own DTD declares Media with
// a content model libxml2 calls not deterministic; that note concerns the DTD, not the document.
void gueltigNachDtd(const QString& ordner)
{
    QProcess xmllint;
    xmllint.setWorkingDirectory(ordner);
    xmllint.start(QStringLiteral("xmllint"),
                  {QStringLiteral("--valid"), QStringLiteral("--noout"), QStringLiteral("index.xml")});
    ASSERT_TRUE(xmllint.waitForFinished(60000))
        << "xmllint fehlt oder hängt (Debian-Paket libxml2-utils, scripts/install-deps.sh installiert es)";
    const QString meldungen = QString::fromUtf8(xmllint.readAllStandardError());
    EXPECT_EQ(xmllint.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(xmllint.exitCode(), 0) << meldungen.toStdString();
    for (const QString& zeile : meldungen.split(QLatin1Char('\n'))) {
        if (zeile.contains(QLatin1String("error"))) {
            EXPECT_TRUE(zeile.contains(QLatin1String("Content model of Media is not determinist")))
                << zeile.toStdString();
        }
    }
}

class Datentraegerueberlassung : public BeideDatenbanken {
protected:
    void SetUp() override
    {
        BeideDatenbanken::SetUp();
        if (IsSkipped())
            return;
        logbuch_ = Pruefungslogbuch::fuellen();
    }

    QString ordner(const QString& name = QStringLiteral("Prüfung 2025"))
    {
        return QDir(db().directory()).filePath(name);
    }

    Pruefungslogbuch logbuch_;
};

TEST_P(Datentraegerueberlassung, IndexXmlIstNachDerMitgeliefertenDtdGueltig)
{
    datentraegerueberlassung::schreiben(ordner(), jahr2025);
    gueltigNachDtd(ordner());
    QFile dtd(QDir(ordner()).filePath(QStringLiteral("gdpdu-01-09-2004.dtd")));
    ASSERT_TRUE(dtd.open(QIODevice::ReadOnly));
    const QByteArray inhalt = dtd.readAll();
    EXPECT_EQ(inhalt, beschreibungsstandard::dtd());
    EXPECT_TRUE(inhalt.contains("<!ELEMENT Table (URL, Name?, Description?, Validity?, (ANSI | Macintosh | OEM | UTF16 "
                                "| UTF7 | UTF8)?, (DecimalSymbol, DigitGroupingSymbol)?, SkipNumBytes?, Range?, "
                                "Epoch?, (VariableLength | FixedLength))>"));
}

TEST_P(Datentraegerueberlassung, EineVerletzteBeschreibungFaelltBeiDerPruefungDurch)
{
    datentraegerueberlassung::schreiben(ordner(), jahr2025);
    QFile index(QDir(ordner()).filePath(QStringLiteral("index.xml")));
    ASSERT_TRUE(index.open(QIODevice::ReadWrite));
    QByteArray inhalt = index.readAll();
    inhalt.replace("<SkipNumBytes>", "<Skip>").replace("</SkipNumBytes>", "</Skip>");
    index.resize(0);
    index.write(inhalt);
    index.close();
    QProcess xmllint;
    xmllint.setWorkingDirectory(ordner());
    xmllint.start(QStringLiteral("xmllint"),
                  {QStringLiteral("--valid"), QStringLiteral("--noout"), QStringLiteral("index.xml")});
    ASSERT_TRUE(xmllint.waitForFinished(60000)) << "xmllint fehlt (libxml2-utils)";
    EXPECT_NE(xmllint.exitCode(), 0);
}

TEST_P(Datentraegerueberlassung, JedeFassungDerFahrtenDesJahresNurAusDerBeschreibungGelesen)
{
    datentraegerueberlassung::schreiben(ordner(), jahr2025);
    const auto tabellen = beschreibungsleser::lesen(ordner());
    const Tabelle* fahrten = beschreibungsleser::tabelle(tabellen, QStringLiteral("fahrtenbuch.csv"));
    ASSERT_NE(fahrten, nullptr);
    const auto erwartet = fahrtenDesJahres(std::nullopt);
    // The 2024 trip stays out; the corrected and the cancelled version stay in beside the correction.
    ASSERT_EQ(erwartet.size(), 5u);
    ASSERT_EQ(fahrten->datensaetze.size(), erwartet.size());
    std::map<qint64, QString> fassungen;
    for (const Datensatz& satz : fahrten->datensaetze) {
        const qint64 id = zahl(satz, "ID");
        ASSERT_EQ(erwartet.count(id), 1u) << id;
        const Erwartet& e = erwartet.at(id);
        EXPECT_EQ(zahl(satz, "KM_Abfahrt"), e.kmAb) << id;
        EXPECT_EQ(zahl(satz, "KM_Ankunft"), e.kmAn) << id;
        EXPECT_EQ(zahl(satz, "Kilometer"), e.kmAn - e.kmAb) << id;
        EXPECT_EQ(satz.at(QStringLiteral("Abfahrt")).toDateTime(), e.abfahrt) << id;
        EXPECT_EQ(text(satz, "Fahrzeug"), e.fahrzeug) << id;
        EXPECT_EQ(text(satz, "Zweck"), e.zweck) << id;
        EXPECT_EQ(text(satz, "Bemerkung"), e.bemerkung) << id;
        EXPECT_EQ(text(satz, "Pruefwert"), e.pruefwert) << id;
        EXPECT_TRUE(satz.at(QStringLiteral("Erfasst")).toDateTime().isValid()) << id;
        fassungen[id] = text(satz, "Fassung");
    }
    EXPECT_EQ(fassungen[logbuch_.korrigiert], QStringLiteral("ersetzt"));
    EXPECT_EQ(fassungen[logbuch_.korrektur], QStringLiteral("aktuell"));
    EXPECT_EQ(fassungen[logbuch_.storniert], QStringLiteral("storniert"));
    EXPECT_EQ(fassungen[logbuch_.kartenfahrt], QStringLiteral("aktuell"));
    for (const Datensatz& satz : fahrten->datensaetze) {
        const qint64 id = zahl(satz, "ID");
        if (id == logbuch_.korrigiert) {
            EXPECT_EQ(text(satz, "Grund"), QStringLiteral("Tacho abgelesen"));
        } else if (id == logbuch_.storniert) {
            EXPECT_EQ(text(satz, "Grund"), QStringLiteral("doppelt erfasst"));
        } else if (id == logbuch_.korrektur) {
            EXPECT_EQ(text(satz, "Fahrer"), QStringLiteral("Öztürk"));
        }
    }
}

TEST_P(Datentraegerueberlassung, EinFahrzeugGrenztFahrtenUndRohfahrtenEin)
{
    const Exportzeitraum karte{jahr2025.von, jahr2025.bis, logbuch_.kartenfahrzeug,
                               Pruefungslogbuch::kartenkennzeichen};
    datentraegerueberlassung::schreiben(ordner(), karte);
    const auto tabellen = beschreibungsleser::lesen(ordner());
    const Tabelle* fahrten = beschreibungsleser::tabelle(tabellen, QStringLiteral("fahrtenbuch.csv"));
    const Tabelle* roh = beschreibungsleser::tabelle(tabellen, QStringLiteral("rohfahrten.csv"));
    ASSERT_TRUE(fahrten && roh);
    ASSERT_EQ(fahrten->datensaetze.size(), fahrtenDesJahres(logbuch_.kartenfahrzeug).size());
    EXPECT_EQ(zahl(fahrten->datensaetze.at(0), "ID"), logbuch_.kartenfahrt);
    ASSERT_EQ(roh->datensaetze.size(), 1u);
    EXPECT_EQ(zahl(roh->datensaetze.at(0), "Startkm"), 5040);
    EXPECT_EQ(text(roh->datensaetze.at(0), "KFZid"), QStringLiteral("7 - K-CD 2"));
}

TEST_P(Datentraegerueberlassung, StammdatenProtokollUndRohfahrtenWieGespeichert)
{
    datentraegerueberlassung::schreiben(ordner(), jahr2025);
    const auto tabellen = beschreibungsleser::lesen(ordner());
    const struct {
        const char* datei;
        const char* spalte;
        const char* sql;
    } vergleiche[] = {
        {"fahrzeuge.csv", "KZuFzg", "SELECT KZuFzg FROM T_KFZ ORDER BY ID"},
        {"fahrer.csv", "Bezeichnung", "SELECT Bezeichnung FROM T_Fahrer ORDER BY ID"},
        {"orte.csv", "Bezeichnung", "SELECT Bezeichnung FROM T_ORTE ORDER BY ID"},
        {"zwecke.csv", "Bezeichnung", "SELECT Bezeichnung FROM T_ZWECK ORDER BY ID"},
        {"kategorien.csv", "Bezeichnung", "SELECT Bezeichnung FROM T_Kategorie ORDER BY ID"},
        {"fahrtarten.csv", "Abkuerzung", "SELECT Abkuerzung FROM T_ART ORDER BY ID"},
        {"protokoll.csv", "Ereignis", "SELECT Ereignis FROM T_Protokoll ORDER BY ID"},
        {"rohfahrten.csv", "Startkm",
         "SELECT Startkm FROM T_basis WHERE Startzeit >= '2025-01-01 00:00:00' AND Startzeit <= '2025-12-31 23:59:59' "
         "ORDER BY ID"},
    };
    for (const auto& v : vergleiche) {
        const Tabelle* t = beschreibungsleser::tabelle(tabellen, QString::fromLatin1(v.datei));
        ASSERT_NE(t, nullptr);
        const QStringList erwartet = spalte(QString::fromLatin1(v.sql));
        EXPECT_FALSE(erwartet.isEmpty()) << v.datei;
        EXPECT_EQ(spalteAusExport(*t, v.spalte), erwartet) << v.datei;
    }
    EXPECT_TRUE(spalteAusExport(*beschreibungsleser::tabelle(tabellen, QStringLiteral("zwecke.csv")), "Bezeichnung")
                    .contains(Pruefungslogbuch::zweck));
    EXPECT_TRUE(spalteAusExport(*beschreibungsleser::tabelle(tabellen, QStringLiteral("protokoll.csv")), "Ereignis")
                    .contains(QStringLiteral("Speicherkarte übernommen")));
}

TEST_P(Datentraegerueberlassung, DieAnkerEnthaltenDenStandDesExports)
{
    datentraegerueberlassung::schreiben(ordner(), jahr2025);
    const auto tabellen = beschreibungsleser::lesen(ordner());
    const Tabelle* anker = beschreibungsleser::tabelle(tabellen, QStringLiteral("anker.csv"));
    ASSERT_NE(anker, nullptr);
    const auto datei = Ankerdatei(Ankerdatei::benutzerdatei()).lesen();
    ASSERT_FALSE(datei.anker.empty());
    ASSERT_EQ(anker->datensaetze.size(), datei.anker.size());
    const Datensatz& letzter = anker->datensaetze.back();
    EXPECT_EQ(text(letzter, "Anlass"), QStringLiteral("Betriebsprüfung"));
    EXPECT_EQ(text(letzter, "Pruefwert"), QString::fromLatin1(datei.anker.back().pruefwert.toHex().toUpper()));
    EXPECT_EQ(zahl(letzter, "Eintraege_Protokoll"), SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Protokoll"));
}

// The export writes what the protocol holds; whether a token verifies is the check's matter, so a
// made-up one does here.
TEST_P(Datentraegerueberlassung, DieZeitstempelMitIhremStandUndToken)
{
    Zeitstempel zeitstempel;
    zeitstempel.zeit = QDateTime(QDate(2026, 1, 5), QTime(9, 30, 15), Qt::UTC);
    zeitstempel.dienst = QStringLiteral("http://127.0.0.1:9/tsr");
    zeitstempel.anlass = QStringLiteral("Datensicherung /tmp/a;b \"c\".db");
    zeitstempel.pruefwert = QByteArray(32, '\x5a');
    zeitstempel.anzahl = {7, 3, 11};
    zeitstempel.token = QByteArray::fromHex("3082010a0201ff00ee");
    ZeitstempelStore::speichern(zeitstempel);

    datentraegerueberlassung::schreiben(ordner(), jahr2025);
    const auto tabellen = beschreibungsleser::lesen(ordner());
    const Tabelle* tabelle = beschreibungsleser::tabelle(tabellen, QStringLiteral("zeitstempel.csv"));
    ASSERT_NE(tabelle, nullptr);
    ASSERT_EQ(tabelle->datensaetze.size(), 1U);
    const Datensatz& satz = tabelle->datensaetze.front();
    EXPECT_EQ(zahl(satz, "ID"), ZeitstempelStore::alle().front().id);
    EXPECT_EQ(satz.at(QStringLiteral("Zeit")).toDateTime(), zeitstempel.zeit.toLocalTime());
    EXPECT_EQ(text(satz, "Dienst"), zeitstempel.dienst);
    EXPECT_EQ(text(satz, "Anlass"), zeitstempel.anlass);
    EXPECT_EQ(text(satz, "Pruefwert"), QStringLiteral("5A").repeated(32));
    EXPECT_EQ(zahl(satz, "Eintraege_Fahrtenbuch"), 7);
    EXPECT_EQ(zahl(satz, "Eintraege_Protokoll"), 11);
    EXPECT_EQ(QByteArray::fromBase64(text(satz, "Token").toLatin1()), zeitstempel.token);
}

// What the folder must not be; nothing is written then, not even beside it.
struct Falschesziel {
    const char* name;
    const char* ordner;
    void (*vorbereiten)(const QDir& arbeit);
    const char* meldung;
};

const Falschesziel falscheZiele[] = {
    {"NichtLeer", "Prüfung",
     [](const QDir& a) {
         a.mkdir(QStringLiteral("Prüfung"));
         QFile f(a.filePath(QStringLiteral("Prüfung/alt.csv")));
         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
     },
     "ist nicht leer"},
    {"EineDatei", "Prüfung",
     [](const QDir& a) {
         QFile f(a.filePath(QStringLiteral("Prüfung")));
         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
     },
     "ist kein Ordner"},
    // A parent that is a file cannot take a folder, whoever runs the test (root writes anywhere).
    {"NichtBeschreibbar", "datei.txt/Prüfung",
     [](const QDir& a) {
         QFile f(a.filePath(QStringLiteral("datei.txt")));
         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
     },
     "kann nichts angelegt werden"},
};

class FalschesExportziel : public ::testing::TestWithParam<Falschesziel> {};

TEST_P(FalschesExportziel, WirdMitDeutscherMeldungAbgelehntUndNichtsGeschrieben)
{
    TestDatabase db;
    Pruefungslogbuch::fuellen();
    const QDir arbeit(db.directory());
    GetParam().vorbereiten(arbeit);
    const QStringList vorher = arbeit.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    const QString ziel = arbeit.filePath(QString::fromUtf8(GetParam().ordner));
    try {
        datentraegerueberlassung::schreiben(ziel, jahr2025);
        ADD_FAILURE() << "nicht abgelehnt";
    } catch (const VarnoError& fehler) {
        EXPECT_TRUE(fehler.message().contains(QString::fromUtf8(GetParam().meldung))) << fehler.message().toStdString();
    }
    EXPECT_EQ(arbeit.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), vorher);
    const QFileInfo zielInfo(ziel);
    if (zielInfo.isDir()) {
        EXPECT_EQ(QDir(ziel).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("alt.csv")});
    }
}

INSTANTIATE_TEST_SUITE_P(Ziele, FalschesExportziel, ::testing::ValuesIn(falscheZiele),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LeeresExportziel, EinLeererOrdnerNimmtDenExportAuf)
{
    TestDatabase db;
    const QDir arbeit(db.directory());
    ASSERT_TRUE(arbeit.mkdir(QStringLiteral("leer")));
    datentraegerueberlassung::schreiben(arbeit.filePath(QStringLiteral("leer")), jahr2025);
    EXPECT_TRUE(QFileInfo::exists(arbeit.filePath(QStringLiteral("leer/index.xml"))));
    // Nothing of the work is left beside it.
    EXPECT_EQ(arbeit.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{QStringLiteral("leer")});
}

TEST(LeeresExportziel, EinSchraegstrichAmEndeNenntDenselbenOrdner)
{
    TestDatabase db;
    const QDir arbeit(db.directory());
    datentraegerueberlassung::schreiben(arbeit.filePath(QStringLiteral("neu/")), jahr2025);
    EXPECT_TRUE(QFileInfo::exists(arbeit.filePath(QStringLiteral("neu/index.xml"))));
    EXPECT_EQ(arbeit.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{QStringLiteral("neu")});
}

} // namespace

MIT_BEIDEN_DATENBANKEN(Datentraegerueberlassung);
