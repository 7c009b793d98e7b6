#pragma once

#include "evaluation/report/LaidOutReport.h"

#include <QString>
#include <QStringList>

// Helpers for the report tests: the texts of a laid-out report, and a PDF file read back with
// poppler's command-line tools.
namespace reporttest {

// Texts of all pages, page after page, each page in reading order.
QStringList allTexts(const LaidOutReport& report);
// The texts of one page joined by blanks, handy for "contains" checks on a line.
QString pageText(const ReportPage& page);

QString pdfText(const QString& path);
int pdfPageCount(const QString& path);
QByteArray fileStart(const QString& path, int bytes);

} // namespace reporttest
