#include "Auswertungsdaten.h"

#include "common/CsvSchreiber.h"
#include "evaluation/AuswertungStore.h"
#include "evaluation/BerichtStore.h"
#include "evaluation/Fahrtenexport.h"
#include "evaluation/Fahrtspalte.h"
#include "support/PythonCsv.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

// The trip list of a small logbook with every kind of value: hard texts, a trip without real
// times, a private trip without remark.
class FahrtspalteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto lager = d.lagerfahrt();
        lager.bemerkung = QStringLiteral("Kunde sagte: \"bitte\";\nzweite Zeile");
        build::fahrt(lager);
        build::fahrt(d.heimfahrt());
        // Arriving on 1 January 2002: a trip without real times.
        build::fahrt(d.fahrt(am(2002, 1, 1), am(2002, 1, 1), 900, 1000));
        liste = AuswertungStore().fahrten(Fahrtenfilter::zurueckgesetzt(QDate(2007, 1, 1), true));
        zusatz = BerichtStore().fahrtenzusatz(liste);
    }

    PythonCsv exportiert()
    {
        const QString pfad = ordner.filePath(QStringLiteral("fahrten.csv"));
        CsvSchreiber::inDatei(pfad, [&](CsvSchreiber& csv) { fahrtenexport::schreiben(csv, liste, zusatz); });
        return mitPythonLesen(pfad);
    }

    TestDatabase db;
    Auswertungsdaten d;
    QTemporaryDir ordner;
    Fahrtenliste liste;
    Fahrtenzusatz zusatz;
};

} // namespace

// Header and rows of the file come from the same columns: every row has a field per title, and a
// column the list shows holds what the list's column of that title shows (the file leaves the
// list's blank for "no remark" out).
TEST_F(FahrtspalteTest, JedeDateizeileHatDieSpaltenDesKopfsMitDenWertenDerListe)
{
    ASSERT_EQ(liste.anzahl(), 3u);
    const PythonCsv csv = exportiert();
    ASSERT_EQ(csv.zeilen.size(), 1 + 3);
    const QStringList& kopf = csv.zeilen[0];
    EXPECT_EQ(kopf, fahrtenexport::kopf());
    EXPECT_EQ(kopf.mid(0, Fahrtenliste::Spalten), Fahrtenliste::kopf());

    for (std::size_t zeile = 0; zeile < liste.anzahl(); ++zeile) {
        const QStringList& felder = csv.zeilen[static_cast<qsizetype>(zeile) + 1];
        ASSERT_EQ(felder.size(), kopf.size()) << "Zeile " << zeile;
        for (int spalte = 0; spalte < Fahrtenliste::Spalten; ++spalte) {
            const QString gezeigt = liste.zelle(zeile, spalte);
            const QString& titel = Fahrtenliste::kopf().at(spalte);
            const QString erwartet =
                spalte == Fahrtenliste::Bem && gezeigt == QStringLiteral(" ") ? QString() : gezeigt;
            EXPECT_EQ(felder.at(kopf.indexOf(titel)), erwartet) << "Zeile " << zeile << ", " << titel.toStdString();
        }
        const GelisteteFahrt& fahrt = liste.fahrt(zeile);
        const auto feld = [&](const char* titel) { return felder.at(kopf.indexOf(QString::fromUtf8(titel))); };
        EXPECT_EQ(feld("Fahrtart"), liste.namen().artNamen.value(fahrt.art));
        EXPECT_EQ(feld("Kilometer"), QString::number(fahrt.kmAn - fahrt.kmAb));
        EXPECT_EQ(feld("Erfasst"), zusatz.erfassungen.at(zeile));
        EXPECT_EQ(feld("Gespeichert von"), zusatz.speichernde.at(zeile));
        EXPECT_EQ(feld("Bemerkung"), zusatz.bemerkungen.at(zeile));
        EXPECT_EQ(feld("Prüfwert"), zusatz.pruefwerte.at(zeile).text());
    }
}

// What the rows above compare with is what the list shows: its known texts.
TEST_F(FahrtspalteTest, DieListeZeigtIhreSpaltenWieBisher)
{
    ASSERT_EQ(liste.anzahl(), 3u);
    QList<QStringList> zeilen;
    for (std::size_t zeile = 0; zeile < liste.anzahl(); ++zeile) {
        QStringList zellen;
        for (int spalte = 0; spalte < Fahrtenliste::Spalten; ++spalte)
            zellen << liste.zelle(zeile, spalte);
        zeilen << zellen;
    }
    EXPECT_EQ(zeilen[0], (QStringList{"", "", "Büro", "D'dorf Kunde", "900", "1000", "B-XY 1, Golf", "Meier", "Besuch",
                                      "Standard", "G", " "}));
    EXPECT_EQ(zeilen[1], (QStringList{"01.02.2006 08:15:00", "09:02:00", "Lager \"Nord\"; Tor 2", "D'dorf Kunde",
                                      "1000", "1042", "B-XY 1, Golf", "O'Brien", "Besuch", "Standard", "G", "x"}));
    EXPECT_EQ(zeilen[2], (QStringList{"04.03.2006 17:00:00", "18:00:00", "Büro", "Zuhause", "1042", "1063",
                                      "B-XY 1, Golf", "Meier", "Besuch", "Standard", "P", " "}));
    EXPECT_EQ(liste.zelle(0, Fahrtenliste::Spalten), QString());
}

// The file writes each time from the day its column met last: trips across midnight, at midnight
// itself, and an arrival on an earlier day than the one before show what the list shows.
TEST_F(FahrtspalteTest, ZeitenUeberMitternachtUndZurueckWieInDerListe)
{
    build::fahrt(d.fahrt(am(2006, 5, 1, 23, 50), am(2006, 5, 2, 0, 20), 1063, 1070));
    build::fahrt(d.fahrt(am(2006, 5, 2, 0, 0), am(2006, 5, 2, 23, 59), 1070, 1080));
    build::fahrt(d.fahrt(am(2006, 5, 3, 10, 0), am(2006, 5, 4, 8, 0), 1080, 1090));
    build::fahrt(d.fahrt(am(2006, 5, 3, 12, 0), am(2006, 5, 3, 13, 5), 1090, 1095));
    liste = AuswertungStore().fahrten(Fahrtenfilter::zurueckgesetzt(QDate(2007, 1, 1), true));
    zusatz = BerichtStore().fahrtenzusatz(liste);
    ASSERT_EQ(liste.anzahl(), 3u + 4u);

    const PythonCsv csv = exportiert();
    ASSERT_EQ(csv.zeilen.size(), 1 + 7);
    QStringList ankuenfte;
    for (std::size_t zeile = 0; zeile < liste.anzahl(); ++zeile) {
        const QStringList& felder = csv.zeilen[static_cast<qsizetype>(zeile) + 1];
        EXPECT_EQ(felder.at(Fahrtenliste::Abfahrt), liste.zelle(zeile, Fahrtenliste::Abfahrt)) << "Zeile " << zeile;
        EXPECT_EQ(felder.at(Fahrtenliste::Ankunft), liste.zelle(zeile, Fahrtenliste::Ankunft)) << "Zeile " << zeile;
        ankuenfte << liste.zelle(zeile, Fahrtenliste::Abfahrt) + QStringLiteral(" - ") +
                         liste.zelle(zeile, Fahrtenliste::Ankunft);
    }
    EXPECT_EQ(ankuenfte.mid(3), (QStringList{"01.05.2006 23:50:00 - 00:20:00", "02.05.2006 00:00:00 - 23:59:00",
                                             "03.05.2006 10:00:00 - 08:00:00", "03.05.2006 12:00:00 - 13:05:00"}));
}
