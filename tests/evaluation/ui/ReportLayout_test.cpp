#include "ReportTestSupport.h"

#include "evaluation/report/ReportLayout.h"
#include "evaluation/report/TextMeasure.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

Band textBand(std::initializer_list<QString> texts, qreal columnWidth = 40)
{
    Band band;
    qreal x = 0;
    for (const QString& text : texts) {
        band.columns.push_back(BandColumn{x, columnWidth, {Cell{text}}});
        x += columnWidth;
    }
    return band;
}

// A portrait report with every band and the given number of one-line details "Zeile <n>".
ReportDefinition sampleReport(int rows)
{
    ReportDefinition report;
    report.name = QStringLiteral("Probe");
    report.page = PageSetup::a4(QPageLayout::Portrait, 12.7);
    report.pageHeader = textBand({QStringLiteral("Kopf")});
    report.pageHeader.columns.push_back(BandColumn{120, 60, {Cell::pageOfPages()}});
    report.title = textBand({QStringLiteral("Titel")});
    report.columnHeader = textBand({QStringLiteral("Spalte")});
    report.columnHeader.ruleBelow = true;
    for (int row = 1; row <= rows; ++row)
        report.details.push_back(textBand({QStringLiteral("Zeile ") + QString::number(row)}));
    report.summary = textBand({QStringLiteral("Summe")});
    report.pageFooter = textBand({QStringLiteral("Fuß")});
    return report;
}

const PlacedText& find(const ReportPage& page, const QString& text)
{
    const auto found = std::find_if(page.texts.begin(), page.texts.end(),
                                    [&](const PlacedText& placed) { return placed.text == text; });
    if (found == page.texts.end())
        throw std::runtime_error(("missing text: " + text).toStdString());
    return *found;
}

} // namespace

TEST(ReportLayout, ShortReportIsOnePageWithBandsInOrder)
{
    const LaidOutReport report = layOutReport(sampleReport(2));

    ASSERT_EQ(report.pageCount(), 1);
    EXPECT_EQ(report.pages[0].textsInReadingOrder(),
              (QStringList{QStringLiteral("Kopf"), QStringLiteral("Seite 1 von 1"), QStringLiteral("Titel"),
                           QStringLiteral("Spalte"), QStringLiteral("Zeile 1"), QStringLiteral("Zeile 2"),
                           QStringLiteral("Summe"), QStringLiteral("Fuß")}));
    // The footer sits at the bottom of the page body, not right after the summary.
    const qreal bodyHeight = report.page.bodySize().height();
    EXPECT_NEAR(find(report.pages[0], QStringLiteral("Fuß")).box.bottom(), bodyHeight, 1.7);
    EXPECT_EQ(report.pages[0].rules.size(), 1u);
}

TEST(ReportLayout, ReportWithoutRowsStillPrintsHeadersAndSummary)
{
    const LaidOutReport report = layOutReport(sampleReport(0));

    ASSERT_EQ(report.pageCount(), 1);
    for (const char* text : {"Kopf", "Seite 1 von 1", "Titel", "Spalte", "Summe", "Fuß"})
        EXPECT_TRUE(report.pages[0].contains(QString::fromUtf8(text))) << text;
}

TEST(ReportLayout, LongReportRepeatsHeadersOnEveryPageAndKnowsThePageCount)
{
    const int rows = 200;
    const LaidOutReport report = layOutReport(sampleReport(rows));
    const int pages = report.pageCount();
    ASSERT_GT(pages, 2);

    int nextRow = 1;
    for (int index = 0; index < pages; ++index) {
        const ReportPage& page = report.pages[index];
        const QString pageNumber = QStringLiteral("Seite %1 von %2").arg(index + 1).arg(pages);
        EXPECT_TRUE(page.contains(QStringLiteral("Kopf"))) << index;
        EXPECT_TRUE(page.contains(pageNumber)) << index;
        EXPECT_TRUE(page.contains(QStringLiteral("Spalte"))) << index;
        EXPECT_TRUE(page.contains(QStringLiteral("Fuß"))) << index;
        EXPECT_EQ(page.contains(QStringLiteral("Titel")), index == 0) << index;
        EXPECT_EQ(page.contains(QStringLiteral("Summe")), index == pages - 1) << index;

        // Details continue in order and never run into the footer.
        const qreal footerTop = find(page, QStringLiteral("Fuß")).box.top();
        const qreal columnHeaderBottom = find(page, QStringLiteral("Spalte")).box.bottom();
        for (const QString& text : page.textsInReadingOrder()) {
            if (!text.startsWith(QStringLiteral("Zeile ")))
                continue;
            EXPECT_EQ(text, QStringLiteral("Zeile ") + QString::number(nextRow));
            const PlacedText& placed = find(page, text);
            EXPECT_GT(placed.box.top(), columnHeaderBottom) << text.toStdString();
            EXPECT_LE(placed.box.bottom(), footerTop) << text.toStdString();
            ++nextRow;
        }
    }
    EXPECT_EQ(nextRow, rows + 1);
}

TEST(ReportLayout, PagesAreFilledBeforeANewOneStarts)
{
    const LaidOutReport report = layOutReport(sampleReport(200));
    const ReportPage& first = report.pages[0];
    const qreal rowHeight =
        find(first, QStringLiteral("Zeile 2")).box.top() - find(first, QStringLiteral("Zeile 1")).box.top();
    qreal lastBottom = 0;
    for (const PlacedText& text : first.texts)
        if (text.text.startsWith(QStringLiteral("Zeile ")))
            lastBottom = std::max(lastBottom, text.box.bottom());

    // A full page leaves less room than one more row above its footer; between the texts lie the
    // paddings of the last row and of the footer.
    const qreal paddings = 2 * Band{}.padding;
    EXPECT_GT(rowHeight, 0);
    EXPECT_LT(find(first, QStringLiteral("Fuß")).box.top() - lastBottom - paddings, rowHeight);
}

TEST(ReportLayout, LandscapeSetupHasTheWiderBody)
{
    const QSizeF landscape = PageSetup::a4(QPageLayout::Landscape, 10).bodySize();
    const QSizeF portrait = PageSetup::a4(QPageLayout::Portrait, 12.7).bodySize();
    EXPECT_NEAR(landscape.width(), 277, 0.01);
    EXPECT_NEAR(landscape.height(), 190, 0.01);
    EXPECT_NEAR(portrait.width(), 210 - 25.4, 0.01);
    EXPECT_NEAR(portrait.height(), 297 - 25.4, 0.01);
}

TEST(ReportLayout, LongTextWrapsWithinItsColumnAndPushesTheCellBelowDown)
{
    const QString remark = QStringLiteral("Lieferung von Ersatzteilen an die Werkstatt in der Hauptstraße, "
                                          "Rückfahrt über das Lager und die Tankstelle am Ortsausgang");
    ReportDefinition definition = sampleReport(0);
    Band detail;
    detail.columns.push_back(BandColumn{0, 30, {Cell{remark}, Cell{QStringLiteral("darunter")}}});
    detail.columns.push_back(BandColumn{30, 30, {Cell{QStringLiteral("daneben")}}});
    definition.details.push_back(detail);

    const LaidOutReport report = layOutReport(definition);
    const ReportPage& page = report.pages[0];

    TextMeasure measure;
    QStringList lines;
    qreal lastLineBottom = 0;
    for (const PlacedText& text : page.texts) {
        if (text.box.left() != 0 || !remark.contains(text.text) || text.text.isEmpty())
            continue;
        lines << text.text;
        EXPECT_LE(measure.width(text.text, text.style), 30.0) << text.text.toStdString();
        lastLineBottom = std::max(lastLineBottom, text.box.bottom());
    }
    EXPECT_GT(lines.size(), 3);
    EXPECT_EQ(lines.join(QLatin1Char(' ')), remark);
    const PlacedText& below = find(page, QStringLiteral("darunter"));
    EXPECT_GE(below.box.top(), lastLineBottom - 0.001);
    EXPECT_LE(find(page, QStringLiteral("Summe")).box.top(), page.texts.back().box.top());
    EXPECT_GT(find(page, QStringLiteral("Summe")).box.top(), below.box.bottom());
}

TEST(ReportLayout, AWordLongerThanTheColumnIsBrokenNotCut)
{
    const QString word(120, QLatin1Char('W'));
    TextMeasure measure;
    const QStringList lines = measure.wrap(word, TextStyle::normal(), 20);
    EXPECT_GT(lines.size(), 1);
    EXPECT_EQ(lines.join(QString()), word);
}

TEST(ReportLayout, BandTallerThanAPageDoesNotStartPagesForever)
{
    ReportDefinition definition = sampleReport(3);
    definition.details[1].columns[0].cells[0].text = QString(20000, QLatin1Char('x'));

    const LaidOutReport report = layOutReport(definition);

    EXPECT_LE(report.pageCount(), 3);
    EXPECT_TRUE(report.pages.back().contains(QStringLiteral("Summe")));
}
