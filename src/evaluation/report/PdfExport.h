#pragma once

#include "evaluation/report/LaidOutReport.h"

#include <QString>

// Writes the report as a PDF file; throws VarnoError with a German message when the file cannot
// be written.
void writePdf(const LaidOutReport& report, const QString& path);
