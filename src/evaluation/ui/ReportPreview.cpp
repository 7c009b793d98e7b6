#include "evaluation/ui/ReportPreview.h"

#include "common/Prompts.h"
#include "common/VarnoError.h"
#include "common_ui/Handler.h"
#include "evaluation/report/PdfExport.h"
#include "evaluation/report/ReportPainter.h"

#include <QAction>
#include <QDir>
#include <QPrinter>
#include <QToolBar>

ReportPreview::ReportPreview(LaidOutReport report, QWidget* parent)
    : QPrintPreviewDialog(parent), report_(std::move(report)), pdfAction_(new QAction(this))
{
    setWindowTitle(QStringLiteral("Druckvorschau"));
    printer()->setDocName(report_.name);
    printer()->setPageLayout(report_.page.pageLayout());
    verbinden(this, &QPrintPreviewDialog::paintRequested, this, &ReportPreview::paint);

    pdfAction_->setObjectName(QStringLiteral("pdfSpeichern"));
    pdfAction_->setText(QStringLiteral("Als PDF speichern"));
    pdfAction_->setToolTip(QStringLiteral("Als PDF speichern"));
    pdfAction_->setIcon(QIcon::fromTheme(QStringLiteral("document-save-as")));
    verbinden(pdfAction_, &QAction::triggered, this, &ReportPreview::savePdf);
    if (QToolBar* toolBar = findChild<QToolBar*>()) {
        toolBar->addSeparator();
        toolBar->addAction(pdfAction_);
    }
    addAction(pdfAction_);
}

void showReportPreview(LaidOutReport report, QWidget* parent)
{
    ReportPreview preview(std::move(report), parent);
    preview.exec();
}

void ReportPreview::paint(QPrinter* printer)
{
    // Printing from the preview honours the pages chosen in the print dialog.
    paintReport(report_, *printer, printer->pageRanges());
}

void ReportPreview::savePdf()
{
    const QString suggested = QDir::home().filePath(report_.name + QStringLiteral(".pdf"));
    QString path = Prompts::instance().saveFile(QStringLiteral("Als PDF speichern"), suggested,
                                                QStringLiteral("PDF-Dateien (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    try {
        writePdf(report_, path);
    } catch (const VarnoError& error) {
        prompt::error(error.message());
    }
}
