#pragma once

#include "evaluation/report/LaidOutReport.h"

#include <QPrintPreviewDialog>

class QAction;

// Qt's print preview showing a laid-out report; the user prints from it or saves the report as a
// PDF file with the extra tool button "Als PDF speichern".
class ReportPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    ReportPreview(LaidOutReport report, QWidget* parent = nullptr);

    const LaidOutReport& report() const { return report_; }
    QAction* pdfAction() const { return pdfAction_; }

public slots:
    void savePdf();

private:
    void paint(QPrinter* printer);

    LaidOutReport report_;
    QAction* pdfAction_;
};

// Shows the report in a modal preview.
void showReportPreview(LaidOutReport report, QWidget* parent);
