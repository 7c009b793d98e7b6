#include "Auswertungsdaten.h"
#include "ReportTestSupport.h"

#include "audit/Fahrtenbuchpruefung.h"
#include "audit/KorrekturStore.h"
#include "common/Clock.h"
#include "common/GermanFormat.h"
#include "common/VarnoError.h"
#include "db/SqlStatement.h"
#include "evaluation/report/Fahrtenbuchdateien.h"
#include "support/PythonCsv.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

struct JahrFall {
    const char* text;
    std::optional<int> jahr;
};

class JahrTest : public ::testing::TestWithParam<JahrFall> {};

TEST_P(JahrTest, VierZiffernVon2002BisHeute)
{
    EXPECT_EQ(fahrtenbuchdateien::jahr(QString::fromUtf8(GetParam().text), QDate(2025, 3, 1)), GetParam().jahr);
}

INSTANTIATE_TEST_SUITE_P(Faelle, JahrTest,
                         ::testing::Values(JahrFall{"2025", 2025}, JahrFall{" 2002 ", 2002}, JahrFall{"2001", {}},
                                           JahrFall{"2026", {}}, JahrFall{"25", {}}, JahrFall{"02025", {}},
                                           JahrFall{"20x5", {}}, JahrFall{"", {}}, JahrFall{"-2025", {}}));

namespace {

class FahrtenbuchdateienTest : public ::testing::Test {
protected:
    fahrtenbuchdateien::Auftrag jahr2005()
    {
        return fahrtenbuchdateien::jahresauftrag(d.golf, QStringLiteral("B-XY 1, Golf"), 2005, ordner.path());
    }

    QStringList abfahrten(const QString& csv)
    {
        QStringList texte;
        for (const QStringList& zeile : mitPythonLesen(csv).zeilen.mid(1))
            texte << zeile.value(0);
        return texte;
    }

    TestDatabase db;
    Auswertungsdaten d;
    QTemporaryDir ordner;
};

} // namespace

TEST_F(FahrtenbuchdateienTest, JahresauftragBenenntBeideDateienGleich)
{
    const auto auftrag = jahr2005();
    EXPECT_EQ(auftrag.von, QDate(2005, 1, 1));
    EXPECT_EQ(auftrag.bis, QDate(2005, 12, 31));
    EXPECT_EQ(auftrag.pdf, ordner.filePath(QStringLiteral("Fahrtenbuch_B-XY-1-Golf_2005.pdf")));
    EXPECT_EQ(auftrag.csv, ordner.filePath(QStringLiteral("Fahrtenbuch_B-XY-1-Golf_2005.csv")));
}

// Every trip of the vehicle departing in the year, whatever the window's filter defaults would
// leave out; each trip in exactly one year.
TEST_F(FahrtenbuchdateienTest, JedeFahrtGenauEinemJahrZugeordnet)
{
    build::fahrt(d.fahrt(am(2004, 12, 31, 23), am(2005, 1, 1, 1), 900, 1000));
    build::fahrt(d.fahrt(am(2005, 6, 1, 8), am(2005, 6, 1, 9), 3000000, 3000042));
    build::fahrt(d.fahrt(am(2005, 12, 31, 23, 30), am(2006, 1, 1, 0, 20), 3000042, 3000080));
    auto passat = d.fahrt(am(2005, 7, 1, 8), am(2005, 7, 1, 9), 0, 10);
    passat.kfz = d.passat;
    build::fahrt(passat);

    auto auftrag = jahr2005();
    auftrag.pdf.clear();
    fahrtenbuchdateien::schreiben(auftrag);

    EXPECT_EQ(abfahrten(auftrag.csv), (QStringList{"01.06.2005 08:00:00", "31.12.2005 23:30:00"}));
    EXPECT_FALSE(QFile::exists(ordner.filePath(QStringLiteral("Fahrtenbuch_B-XY-1-Golf_2005.pdf"))));
}

TEST_F(FahrtenbuchdateienTest, PdfMitAllenArtenUndDenSummenJeArt)
{
    const int arten[] = {1, 2, 3, 4};
    int km = 1000;
    for (int i = 0; i < 4; ++i) {
        auto f = d.fahrt(am(2005, 5, 2 + i, 8), am(2005, 5, 2 + i, 9), km, km + 10 * (i + 1));
        f.art = arten[i];
        build::fahrt(f);
        km += 10 * (i + 1);
    }

    const auto auftrag = jahr2005();
    fahrtenbuchdateien::schreiben(auftrag);

    const QString text = reporttest::pdfText(auftrag.pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Auswertung vom 01.01.2005 bis 31.12.2005"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("B-XY 1, Golf")));
    EXPECT_TRUE(text.contains(QStringLiteral("kein Filter gesetzt")));
    for (const char* summe : {"10 km", "20 km", "30 km", "40 km", "100 km"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(summe))) << summe;
    EXPECT_EQ(mitPythonLesen(auftrag.csv).zeilen.size(), 5);
}

TEST_F(FahrtenbuchdateienTest, UnbeschreibbarerOrdnerGibtEinenFehler)
{
    auto auftrag = jahr2005();
    auftrag.csv = ordner.filePath(QStringLiteral("fehlt/x.csv"));
    auftrag.pdf.clear();
    EXPECT_THROW(fahrtenbuchdateien::schreiben(auftrag), VarnoError);
}

// The year's book is a printed report like any other: the Prüfwert in every page footer, each
// trip's entry time, and the corrections of the year at its end.
TEST_F(FahrtenbuchdateienTest, PdfMitPruefwertErfassungUndKorrekturen)
{
    Clock::setFixed(QDateTime(QDate(2006, 1, 2), QTime(9, 30)));
    const int fahrt = build::fahrt(d.fahrt(am(2005, 5, 2, 8), am(2005, 5, 2, 9), 1000, 1042));
    KorrekturStore::stornieren(fahrt, QStringLiteral("doppelt erfasst"));
    Clock::reset();

    const auto auftrag = jahr2005();
    fahrtenbuchdateien::schreiben(auftrag);

    const QString text = reporttest::pdfText(auftrag.pdf).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("Prüfwert %1 – Fahrtenbuch geprüft: unverändert")
                                  .arg(fahrtenbuchpruefung::pruefen().pruefwert())))
        << text.toStdString();
    const auto kettenbeginn = fahrtenbuchpruefung::pruefen().kettenbeginn;
    ASSERT_TRUE(kettenbeginn);
    EXPECT_TRUE(text.contains(QStringLiteral("Prüfkette seit ") + german::date(kettenbeginn->date())))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Korrekturen")));
    EXPECT_TRUE(text.contains(QStringLiteral("storniert am 02.01.2006 09:30:00")));
    EXPECT_TRUE(text.contains(QStringLiteral("Gesamt 0 km")));
}

// A logbook changed outside the program prints no value that would vouch for it, neither in the
// footer nor beside the changed trip in the CSV file; an untouched trip keeps its value.
TEST_F(FahrtenbuchdateienTest, VeraendertesFahrtenbuchDrucktKeinenPruefwert)
{
    build::fahrt(d.fahrt(am(2005, 5, 2, 8), am(2005, 5, 2, 9), 1000, 1042));
    build::fahrt(d.fahrt(am(2005, 5, 3, 8), am(2005, 5, 3, 9), 1042, 1050));
    SqlStatement("UPDATE T_MIREL SET km_an = 1041 WHERE km_an = 1042").exec();
    SqlStatement unberuehrt("SELECT Pruefwert FROM T_MIREL WHERE km_an = 1050");
    unberuehrt.exec();
    ASSERT_TRUE(unberuehrt.next());
    const QString unberuehrterWert = QString::fromLatin1(unberuehrt.value(0).toByteArray().toHex()).toUpper();

    const auto auftrag = jahr2005();
    fahrtenbuchdateien::schreiben(auftrag);

    const QString text = reporttest::pdfText(auftrag.pdf).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("Prüfwert ungültig – Fahrtenbuch verändert"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("geprüft: unverändert"))) << text.toStdString();
    const auto zeilen = mitPythonLesen(auftrag.csv).zeilen;
    ASSERT_GE(zeilen.size(), 3);
    QStringList pruefwerte;
    for (const QStringList& zeile : zeilen.mid(1))
        pruefwerte << zeile.back();
    EXPECT_TRUE(pruefwerte.contains(QStringLiteral("ungültig"))) << pruefwerte.join(u' ').toStdString();
    EXPECT_TRUE(pruefwerte.contains(unberuehrterWert)) << pruefwerte.join(u' ').toStdString();
}
