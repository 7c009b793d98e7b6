#include "ReportTestSupport.h"
#include "support/ScriptedPrompts.h"

#include "common/VarnoError.h"
#include "evaluation/report/PdfExport.h"
#include "evaluation/report/ReportLayout.h"
#include "evaluation/ui/ReportPreview.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

Band line(const QString& text)
{
    Band band;
    band.columns.push_back(BandColumn{0, 100, {Cell{text}}});
    return band;
}

// A landscape report long enough for three pages.
LaidOutReport threePageReport()
{
    ReportDefinition definition;
    definition.name = QStringLiteral("Fahrtenbuch");
    definition.page = PageSetup::a4(QPageLayout::Landscape, 10);
    definition.pageHeader = line(QStringLiteral("Kopfzeile"));
    definition.pageHeader.columns.push_back(BandColumn{200, 70, {Cell::pageOfPages()}});
    definition.summary = line(QStringLiteral("Gesamtsumme"));
    int rows = 0;
    LaidOutReport report;
    while ((report = layOutReport(definition)).pageCount() < 3)
        for (int i = 0; i < 10; ++i)
            definition.details.push_back(line(QStringLiteral("Datenzeile ") + QString::number(++rows)));
    return report;
}

class ReportPdf : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(ReportPdf, WritesEveryPageWithItsTexts)
{
    const LaidOutReport report = threePageReport();
    const QString file = path(QStringLiteral("bericht.pdf"));

    writePdf(report, file);

    EXPECT_EQ(reporttest::fileStart(file, 5), QByteArray("%PDF-"));
    EXPECT_EQ(reporttest::pdfPageCount(file), report.pageCount());
    const QString text = reporttest::pdfText(file);
    EXPECT_TRUE(text.contains(QStringLiteral("Kopfzeile"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Seite 1 von 3")));
    EXPECT_TRUE(text.contains(QStringLiteral("Seite 3 von 3")));
    EXPECT_TRUE(text.contains(QStringLiteral("Datenzeile 1\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Gesamtsumme")));
}

TEST_F(ReportPdf, FileThatCannotBeWrittenGivesAGermanError)
{
    const QString file = path(QStringLiteral("fehlt/bericht.pdf"));
    try {
        writePdf(threePageReport(), file);
        FAIL() << "no error";
    } catch (const VarnoError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("konnte nicht geschrieben werden"))) << error.what();
    }
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(ReportPdf, PreviewSavesThePdfWhereTheUserChose)
{
    ReportPreview preview(threePageReport());
    ASSERT_NE(preview.findChild<QToolBar*>(), nullptr);
    EXPECT_TRUE(preview.findChild<QToolBar*>()->actions().contains(preview.pdfAction()));

    ScriptedPrompts::get().answerPath(path(QStringLiteral("steuerberater")));
    preview.pdfAction()->trigger();

    const ScriptedPrompts::Shown& dialog = ScriptedPrompts::get().shown().back();
    EXPECT_EQ(dialog.kind, QStringLiteral("saveFile"));
    EXPECT_EQ(dialog.title, QStringLiteral("Als PDF speichern"));
    EXPECT_EQ(dialog.filter, QStringLiteral("PDF-Dateien (*.pdf)"));
    const QString file = path(QStringLiteral("steuerberater.pdf"));
    EXPECT_EQ(reporttest::pdfPageCount(file), 3);
}

TEST_F(ReportPdf, PreviewWritesNothingWhenTheUserCancels)
{
    ReportPreview preview(threePageReport());
    ScriptedPrompts::get().answerPath(QString());
    preview.savePdf();
    EXPECT_TRUE(QDir(dir_.path()).isEmpty());
}

TEST_F(ReportPdf, PreviewReportsAFileThatCannotBeWritten)
{
    ReportPreview preview(threePageReport());
    ScriptedPrompts::get().answerPath(path(QStringLiteral("fehlt/bericht.pdf")));
    preview.savePdf();
    const ScriptedPrompts::Shown& box = ScriptedPrompts::get().shown().back();
    EXPECT_EQ(box.title, QStringLiteral("Fehler"));
    EXPECT_TRUE(box.text.contains(QStringLiteral("konnte nicht geschrieben werden"))) << box.text.toStdString();
}

TEST_F(ReportPdf, PreviewUsesThePaperOfTheReport)
{
    ReportPreview preview(threePageReport());
    const QPageLayout layout = preview.printer()->pageLayout();
    EXPECT_EQ(layout.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(layout.pageSize().id(), QPageSize::A4);
    EXPECT_NEAR(layout.margins(QPageLayout::Millimeter).left(), 10, 0.01);
}
