#include "ReportTestSupport.h"

#include "common/Clock.h"
#include "evaluation/report/PdfExport.h"
#include "evaluation/report/QRFahrerAuswertung.h"
#include "evaluation/report/QRFahrerTabAuswertung.h"
#include "evaluation/report/QRFahrerTagAuswertung.h"
#include "evaluation/report/ReportLayout.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString von = QStringLiteral("5.3.2004");
const QString bis = QStringLiteral("10.3.2004");

DatumsAuswahl auswahl(bool ab, bool an)
{
    return DatumsAuswahl{ab, von, an, bis};
}

// Two trips of one day with the standing period between them, and the sum row.
std::vector<QStringList> tagMitZweiFahrten()
{
    return {{"08:00", "09:00", "B-XY 1, Golf", "Berlin", "Potsdam", "1000", "1030", "30", "01:00", "Kundenbesuch", "G", ""},
            {"09:00", "10:00", "", "", "", "", "", "", "01:00", "Standzeit", "", ""},
            {"10:00", "11:00", "B-XY 1, Golf", "Potsdam", "Berlin", "1030", "1062", "32", "01:00", "Rückfahrt", "G",
             "Stau auf der A115"},
            {"Summe:", "", "", "", "", "", "", "62", "02:00", "Fahrzeit", "", ""}};
}

class ReportFahrer : public ::testing::Test {
protected:
    void SetUp() override { Clock::setFixed(QDateTime(QDate(2004, 3, 12), QTime(9, 30))); }
    void TearDown() override { Clock::reset(); }

    QString pdfTextOf(const ReportDefinition& definition)
    {
        const QString file = dir_.filePath(QStringLiteral("bericht.pdf"));
        writePdf(layOutReport(definition), file);
        EXPECT_EQ(reporttest::fileStart(file, 5), QByteArray("%PDF-"));
        return reporttest::pdfText(file);
    }

    QTemporaryDir dir_;
};

struct ZeitraumFall {
    bool ab;
    bool an;
    const char* alleFahrer;
    const char* einFahrer;
};

class FahrerZeitraum : public ::testing::TestWithParam<ZeitraumFall> {};

TEST_P(FahrerZeitraum, NamesThePeriodOfTheDriverReports)
{
    const ZeitraumFall& fall = GetParam();
    EXPECT_EQ(TQRFahrer::QRFahrerBeforePrint(auswahl(fall.ab, fall.an)), QString::fromUtf8(fall.alleFahrer));
    const FahrerTabBerichtDaten daten{QStringLiteral("Meier"), auswahl(fall.ab, fall.an), {}};
    EXPECT_EQ(TQRFahrerTab::QRFahrerTabBeforePrint(daten).lAuswertDat, QString::fromUtf8(fall.einFahrer));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, FahrerZeitraum,
    ::testing::Values(ZeitraumFall{true, false, "alle Fahrer vom 5.3.2004 bis heute", "Fahrer: Meier vom 5.3.2004 bis heute"},
                      ZeitraumFall{false, true, "alle Fahrer bis 10.3.2004", "Fahrer: Meier bis 10.3.2004"},
                      ZeitraumFall{true, true, "alle Fahrer vom 5.3.2004 bis 10.3.2004",
                                   "Fahrer: Meier vom 5.3.2004 bis 10.3.2004"},
                      ZeitraumFall{false, false, "alle Fahrer über alle Tage", "Fahrer: Meier über alle Tage"}));

} // namespace

TEST_F(ReportFahrer, AllDriversReportPrintsOneLinePerDriver)
{
    const FahrerBerichtDaten daten{auswahl(false, false),
                                   {{"Meier", "2", "0d 03h 00min", "0d 02h 00min", "62 km", "0d 01h 00min"},
                                    {"Schulze", "0", "0d 0h 0min", "0d 0h 0min", "0 km", "0d 0h 0min"}}};
    const ReportDefinition definition = TQRFahrer::bericht(daten);
    const LaidOutReport report = layOutReport(definition);

    ASSERT_EQ(report.pageCount(), 1);
    const QString text = reporttest::pageText(report.pages[0]);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Fahrerauswertung Seite 1 von 1 12.03.2004 09:30 alle Fahrer über alle Tage "
                                               "Fahrer Fahrtanzahl Unterwegs Fahrzeit gefahrene km Standzeit "
                                               "Meier 2 0d 03h 00min 0d 02h 00min 62 km 0d 01h 00min Schulze 0")))
        << text.toStdString();
    EXPECT_EQ(report.page.orientation, QPageLayout::Portrait);
    EXPECT_EQ(report.page.margins, QMarginsF(12.7, 12.7, 12.7, 12.7));

    const QString pdf = pdfTextOf(definition);
    for (const char* expected : {"Fahrerauswertung", "alle Fahrer über alle Tage", "Fahrtanzahl", "Schulze", "62 km"})
        EXPECT_TRUE(pdf.contains(QString::fromUtf8(expected))) << expected << "\n" << pdf.toStdString();
}

TEST_F(ReportFahrer, PerDayReportPrintsTheDaysAndTheSumRowAsSummary)
{
    const FahrerTabBerichtDaten daten{
        QStringLiteral("Meier"),
        auswahl(true, true),
        {{"05.03.2004", "08:00", "11:00", "03:00", "02:00", "62", "01:00"},
         {"06.03.2004", "07:00", "07:30", "00:30", "00:30", "20", "00:00"},
         {"Summe:", "", "", "0 Tag(e) 03:30", "0 Tag(e) 02:30", "82", "0 Tag(e) 01:00"}}};

    const TQRFahrerTab::Beschriftung b = TQRFahrerTab::QRFahrerTabBeforePrint(daten);
    EXPECT_EQ(b.QRLabelUnterwegs, QStringLiteral("0 Tag(e) 03:30"));
    EXPECT_EQ(b.QRLabelFahrzeit, QStringLiteral("0 Tag(e) 02:30"));
    EXPECT_EQ(b.QRLabelgefkm, QStringLiteral("82"));
    EXPECT_EQ(b.QRLabelStandzeit, QStringLiteral("0 Tag(e) 01:00"));

    const ReportDefinition definition = TQRFahrerTab::bericht(daten);
    const QStringList texts = reporttest::allTexts(layOutReport(definition));
    EXPECT_EQ(texts.count(QStringLiteral("Summe:")), 1);
    const QString text = texts.join(QLatin1Char(' '));
    EXPECT_TRUE(text.contains(QStringLiteral("Datum Beginn Ende Unterwegs Fahrzeit gefahrene km Standzeit "
                                             "05.03.2004 08:00 11:00 03:00 02:00 62 01:00 06.03.2004")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("Summe: 0 Tag(e) 03:30 0 Tag(e) 02:30 82 0 Tag(e) 01:00")))
        << text.toStdString();

    const QString pdf = pdfTextOf(definition);
    for (const char* expected : {"Fahrer: Meier vom 5.3.2004 bis 10.3.2004", "06.03.2004", "Summe:", "0 Tag(e) 03:30"})
        EXPECT_TRUE(pdf.contains(QString::fromUtf8(expected))) << expected << "\n" << pdf.toStdString();
}

TEST_F(ReportFahrer, OneDayReportSummarisesTheDay)
{
    const FahrerTagBerichtDaten daten{QStringLiteral("Meier"), von, tagMitZweiFahrten()};

    const TQRFahrerTag::Beschriftung b = TQRFahrerTag::QRFahrerTagBeforePrint(daten);
    EXPECT_EQ(b.titel, QStringLiteral("Tagesauswertung vom 5.3.2004"));
    EXPECT_EQ(b.lAuswertDat, QStringLiteral("Fahrer: Meier"));
    EXPECT_EQ(b.beginn, QStringLiteral("08:00"));
    EXPECT_EQ(b.ende, QStringLiteral("11:00"));
    EXPECT_EQ(b.gefahren, QStringLiteral("62"));
    EXPECT_EQ(b.fahrzeit, QStringLiteral("02:00"));
    EXPECT_EQ(b.unterwegs, QStringLiteral("03:00"));
    EXPECT_EQ(b.standzeit, QStringLiteral("01:00"));

    const ReportDefinition definition = TQRFahrerTag::bericht(daten);
    const QString text = reporttest::allTexts(layOutReport(definition)).join(QLatin1Char(' '));
    // The standing row prints its times, its duration and "Standzeit" where the purpose stands.
    EXPECT_TRUE(text.contains(QStringLiteral("Kundenbesuch G 09:00 Potsdam 1030 30 B-XY 1, Golf "
                                             "09:00 01:00 Standzeit 10:00 10:00 Potsdam 1030 01:00 Rückfahrt")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Beginn der ersten Fahrt: 08:00 Unterwegs: 03:00 "
                                             "Ende der letzten Fahrt: 11:00 Fahrzeit: 02:00 "
                                             "gefahrene km: 62 Standzeit: 01:00")))
        << text.toStdString();

    const QString pdf = pdfTextOf(definition);
    for (const char* expected : {"Tagesauswertung vom 5.3.2004", "Fahrer: Meier", "Stau auf der A115", "Rückfahrt",
                                 "Beginn der ersten Fahrt:", "Standzeit:"})
        EXPECT_TRUE(pdf.contains(QString::fromUtf8(expected))) << expected << "\n" << pdf.toStdString();
}

TEST_F(ReportFahrer, OneDayReportWithoutTripShowsDashesAndZeros)
{
    const FahrerTagBerichtDaten daten{QStringLiteral("Meier"), von,
                                      {{"Summe:", "", "", "", "", "", "", "0", "00:00", "Fahrzeit", "", ""}}};
    const TQRFahrerTag::Beschriftung b = TQRFahrerTag::QRFahrerTagBeforePrint(daten);
    EXPECT_EQ(b.beginn, QStringLiteral("-"));
    EXPECT_EQ(b.ende, QStringLiteral("-"));
    EXPECT_EQ(b.gefahren, QStringLiteral("0"));
    EXPECT_EQ(b.unterwegs, QStringLiteral("00:00"));
    EXPECT_EQ(b.fahrzeit, QStringLiteral("00:00"));
    EXPECT_EQ(b.standzeit, QStringLiteral("00:00"));

    const LaidOutReport report = layOutReport(TQRFahrerTag::bericht(daten));
    ASSERT_EQ(report.pageCount(), 1);
    EXPECT_FALSE(report.pages[0].contains(QStringLiteral("Summe:")));
    EXPECT_TRUE(report.pages[0].contains(QStringLiteral("Beginn der ersten Fahrt:")));
}

TEST_F(ReportFahrer, OneDayReportSpanningMidnightCountsTheHoursAfterIt)
{
    const FahrerTagBerichtDaten daten{
        QStringLiteral("Meier"),
        von,
        {{"23:00", "01:00", "", "", "", "0", "90", "90", "02:00", "", "G", ""},
         {"Summe:", "", "", "", "", "", "", "90", "02:00", "Fahrzeit", "", ""}}};
    const TQRFahrerTag::Beschriftung b = TQRFahrerTag::QRFahrerTagBeforePrint(daten);
    EXPECT_EQ(b.unterwegs, QStringLiteral("02:00"));
    EXPECT_EQ(b.standzeit, QStringLiteral("00:00"));
}

TEST_F(ReportFahrer, RemarkLongerThanItsColumnIsWrappedWhole)
{
    std::vector<QStringList> zeilen = tagMitZweiFahrten();
    const QString bemerkung = QStringLiteral("Anmerkung ") + QString(170, QLatin1Char('Q')) + QStringLiteral(" Schluss");
    zeilen[0][11] = bemerkung;
    const LaidOutReport report = layOutReport(TQRFahrerTag::bericht({QStringLiteral("Meier"), von, zeilen}));

    QString gedruckt;
    for (const QString& text : reporttest::allTexts(report))
        if (text.startsWith(QStringLiteral("Anmerkung")) || text.startsWith(QLatin1Char('Q')) ||
            text.endsWith(QStringLiteral("Schluss")))
            gedruckt += text;
    EXPECT_EQ(gedruckt.remove(QLatin1Char(' ')), QString(bemerkung).remove(QLatin1Char(' ')));
}
