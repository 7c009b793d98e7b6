#include "ReportTestSupport.h"

#include "common/Clock.h"
#include "evaluation/report/PdfExport.h"
#include "evaluation/report/QuickReportAuswertung.h"
#include "evaluation/report/ReportLayout.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

FahrtenZeile fahrt(const QString& art, int kmAb, int kmAn, QDateTime ab = QDateTime(QDate(2005, 3, 1), QTime(8, 0)))
{
    FahrtenZeile f;
    f.abDat = ab;
    f.anDat = ab.addSecs(3600);
    f.start = QStringLiteral("Berlin");
    f.ziel = QStringLiteral("Potsdam");
    f.kmAb = kmAb;
    f.kmAn = kmAn;
    f.kfz = QStringLiteral("B-XY 1, Golf");
    f.fahrer = QStringLiteral("Meier");
    f.zweck = QStringLiteral("Kundenbesuch");
    f.kategorie = QStringLiteral("Vertrieb");
    f.art = art;
    f.bemerkung = QStringLiteral("Muster geliefert");
    return f;
}

FahrtenBerichtDaten daten(std::vector<FahrtenZeile> fahrten)
{
    FahrtenBerichtDaten d;
    d.kfz = QStringLiteral("B-XY 1, Golf");
    d.fahrer = QStringLiteral("alle");
    d.summen = artSummen(fahrten);
    d.fahrten = std::move(fahrten);
    return d;
}

class ReportFahrten : public ::testing::Test {
protected:
    void SetUp() override { Clock::setFixed(QDateTime(QDate(2005, 12, 24), QTime(14, 5, 30))); }
    void TearDown() override { Clock::reset(); }
};

} // namespace

TEST_F(ReportFahrten, OnePrivateTripCountsOnlyAsPrivate)
{
    const LaidOutReport report = layOutReport(TQuickReport::bericht(daten({fahrt(QStringLiteral("P"), 1000, 1042)})));

    ASSERT_EQ(report.pageCount(), 1);
    EXPECT_TRUE(reporttest::pageText(report.pages[0])
                    .contains(QStringLiteral("unzugeordnet 0 km privat 42 km Arbeitsweg 0 km geschäftlich 0 km "
                                             "Gesamt 42 km")))
        << reporttest::pageText(report.pages[0]).toStdString();
}

TEST_F(ReportFahrten, TotalsPerKindIgnoreOtherKindsAndReportProgress)
{
    std::vector<int> progress;
    const KilometerJeArt summen = artSummen({fahrt(QStringLiteral("U"), 0, 10), fahrt(QStringLiteral("P"), 10, 30),
                                             fahrt(QStringLiteral("A"), 30, 60), fahrt(QStringLiteral("G"), 60, 100),
                                             fahrt(QStringLiteral("G"), 100, 105), fahrt(QStringLiteral("n"), 0, 500)},
                                            [&](int percent) { progress.push_back(percent); });

    EXPECT_EQ(summen.unzugeordnet, 10);
    EXPECT_EQ(summen.privat, 20);
    EXPECT_EQ(summen.arbeitsweg, 30);
    EXPECT_EQ(summen.geschaeftlich, 45);
    EXPECT_EQ(summen.gesamt(), 105);
    EXPECT_EQ(progress, (std::vector<int>{17, 33, 50, 67, 83, 100}));
    EXPECT_EQ(artSummen({}).gesamt(), 0);
}

TEST_F(ReportFahrten, DetailPrintsTheFieldsInTwoLines)
{
    FahrtenZeile f = fahrt(QStringLiteral("G"), 1000, 1042, QDateTime(QDate(2005, 3, 1), QTime(8, 15, 10)));
    const LaidOutReport report = layOutReport(TQuickReport::bericht(daten({f})));

    const QString text = reporttest::pageText(report.pages[0]);
    EXPECT_TRUE(text.contains(QStringLiteral("Abfahrt Von KM-Abfahrt Fahrzeug Kategorie Art Bemerkung "
                                             "Ankunft Nach KM-Ankunft Fahrer Zweck")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("01.03.2005 08:15:10 Berlin 1000 B-XY 1, Golf Vertrieb G Muster geliefert "
                                             "01.03.2005 09:15:10 Potsdam 1042 Meier Kundenbesuch")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("U - unzugeordnet P - privat A - Arbeitsweg G - geschäftlich")));
}

TEST_F(ReportFahrten, TitleShowsVehicleDriverAndFilters)
{
    FahrtenBerichtDaten d = daten({fahrt(QStringLiteral("P"), 1, 2)});
    d.filter.zweck = QStringLiteral("Kundenbesuch");
    const LaidOutReport report = layOutReport(TQuickReport::bericht(d));

    EXPECT_TRUE(reporttest::pageText(report.pages[0])
                    .contains(QStringLiteral("KFZ: B-XY 1, Golf Fahrer: alle gesetzte Filter: Zweck")))
        << reporttest::pageText(report.pages[0]).toStdString();
}

TEST_F(ReportFahrten, EveryPageOfALongReportCarriesHeaderPageCountAndLegend)
{
    std::vector<FahrtenZeile> fahrten;
    for (int i = 0; i < 120; ++i)
        fahrten.push_back(fahrt(QStringLiteral("G"), i * 10, i * 10 + 10,
                                QDateTime(QDate(2005, 1, 1), QTime(8, 0)).addSecs(i * 7200)));
    const LaidOutReport report = layOutReport(TQuickReport::bericht(daten(fahrten)));
    const int pages = report.pageCount();
    ASSERT_GT(pages, 3);

    int details = 0;
    for (int i = 0; i < pages; ++i) {
        const ReportPage& page = report.pages[i];
        EXPECT_TRUE(page.contains(QStringLiteral("Fahrtenbuch"))) << i;
        EXPECT_TRUE(page.contains(QStringLiteral("Seite %1 von %2").arg(i + 1).arg(pages))) << i;
        EXPECT_TRUE(page.contains(QStringLiteral("24.12.2005 14:05"))) << i;
        EXPECT_TRUE(page.contains(QStringLiteral("Auswertung vom 01.01.2005 bis 11.01.2005"))) << i;
        EXPECT_TRUE(page.contains(QStringLiteral("KM-Abfahrt"))) << i;
        EXPECT_TRUE(page.contains(QStringLiteral("G - geschäftlich"))) << i;
        EXPECT_EQ(page.contains(QStringLiteral("gesetzte Filter:")), i == 0) << i;
        EXPECT_EQ(page.contains(QStringLiteral("Gesamt")), i == pages - 1) << i;
        for (const PlacedText& text : page.texts)
            details += text.text == QStringLiteral("Muster geliefert");
    }
    EXPECT_EQ(details, 120);
    EXPECT_EQ(report.page.orientation, QPageLayout::Landscape);
    EXPECT_EQ(report.page.margins, QMarginsF(10, 10, 10, 10));
}

TEST_F(ReportFahrten, LongRemarkIsPrintedWhole)
{
    FahrtenZeile f = fahrt(QStringLiteral("G"), 1, 2);
    f.bemerkung = QStringLiteral("Abholung der Ersatzteile ") + QString(160, QLatin1Char('X')) + QStringLiteral(" Ende");
    const LaidOutReport report = layOutReport(TQuickReport::bericht(daten({f})));

    QString printed;
    for (const PlacedText& text : report.pages[0].texts)
        if (text.text.startsWith(QStringLiteral("Abholung")) || text.text.startsWith(QLatin1Char('X')) ||
            text.text == QStringLiteral("Ende") || text.text.endsWith(QStringLiteral(" Ende")))
            printed += text.text;
    EXPECT_EQ(printed.remove(QLatin1Char(' ')), f.bemerkung.remove(QLatin1Char(' ')));
}

struct FilterFall {
    FilterTexte filter;
    const char* text;
};

class GesetzteFilter : public ::testing::TestWithParam<FilterFall> {};

TEST_P(GesetzteFilter, ListsTheSetFiltersInOrder)
{
    EXPECT_EQ(gesetzteFilter(GetParam().filter), QString::fromUtf8(GetParam().text));
}

FilterTexte filter(std::function<void(FilterTexte&)> setzen)
{
    FilterTexte f;
    setzen(f);
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, GesetzteFilter,
    ::testing::Values(
        FilterFall{FilterTexte{}, "kein Filter gesetzt"},
        FilterFall{filter([](FilterTexte& f) {
                       f.zweck = QStringLiteral("Kundenbesuch");
                       f.art = QStringLiteral("privat");
                       f.kmAbf = QStringLiteral("100");
                       f.kmAnk = QStringLiteral("200");
                   }),
                   "Zweck, Art, von 100 km bis 200 km"},
        FilterFall{filter([](FilterTexte& f) { f.nach = QStringLiteral("Potsdam"); }), "Adresse"},
        FilterFall{filter([](FilterTexte& f) {
                       f.von = QStringLiteral("Berlin");
                       f.nach = QStringLiteral("Potsdam");
                       f.kategorie = QStringLiteral("Vertrieb");
                       f.bemerkung = QStringLiteral("ja");
                   }),
                   "Adresse, Kategorie, Bemerkung"},
        FilterFall{filter([](FilterTexte& f) { f.kmAbf = QStringLiteral("100"); }), "ab 100 km"},
        FilterFall{filter([](FilterTexte& f) {
                       f.art = QStringLiteral("privat");
                       f.kmAnk = QStringLiteral("200");
                   }),
                   "Art, bis 200 km"}));

TEST_F(ReportFahrten, PeriodWithoutTickedBoxesRunsFromFirstDepartureToLastArrival)
{
    FahrtenZeile erste = fahrt(QStringLiteral("G"), 1, 2, QDateTime(QDate(2005, 3, 1), QTime(8, 0)));
    FahrtenZeile letzte = fahrt(QStringLiteral("G"), 2, 3, QDateTime(QDate(2005, 4, 2), QTime(23, 30)));
    letzte.anDat = QDateTime(QDate(2005, 4, 3), QTime(1, 0));

    EXPECT_EQ(auswertungsZeitraum({}, {}, {erste, letzte}), QStringLiteral("Auswertung vom 01.03.2005 bis 03.04.2005"));
    EXPECT_EQ(auswertungsZeitraum(QDate(2005, 2, 1), QDate(2005, 5, 6), {erste, letzte}),
              QStringLiteral("Auswertung vom 01.02.2005 bis 06.05.2005"));
    EXPECT_EQ(auswertungsZeitraum(QDate(2005, 2, 1), {}, {erste, letzte}),
              QStringLiteral("Auswertung vom 01.02.2005 bis 03.04.2005"));
    EXPECT_EQ(auswertungsZeitraum({}, QDate(2005, 5, 6), {erste, letzte}),
              QStringLiteral("Auswertung vom 01.03.2005 bis 06.05.2005"));
    EXPECT_EQ(auswertungsZeitraum({}, {}, {}), QStringLiteral("Auswertung vom 01.01.2002 bis 24.12.2005"));
}

TEST_F(ReportFahrten, PdfShowsHeaderDetailAndSummary)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("fahrtenbuch.pdf"));
    writePdf(layOutReport(TQuickReport::bericht(daten({fahrt(QStringLiteral("P"), 1000, 1042)}))), file);

    EXPECT_EQ(reporttest::pdfPageCount(file), 1);
    const QString text = reporttest::pdfText(file);
    for (const char* expected : {"Fahrtenbuch", "Seite 1 von 1", "24.12.2005 14:05", "Auswertung vom 01.03.2005 bis 01.03.2005",
                                 "01.03.2005 08:00:00", "Kundenbesuch", "1042", "Gesamt", "42 km", "G - geschäftlich"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
}
