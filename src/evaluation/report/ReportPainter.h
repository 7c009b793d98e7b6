#pragma once

#include "evaluation/report/LaidOutReport.h"

#include <QPageRanges>

class QPagedPaintDevice;

// Draws a laid-out report onto a printer, a print preview or a PDF writer, with the report's
// paper, orientation and margins. An empty page range means every page. Returns false when the
// device cannot be painted on (for example a file that cannot be written).
bool paintReport(const LaidOutReport& report, QPagedPaintDevice& device, const QPageRanges& pages = {});
