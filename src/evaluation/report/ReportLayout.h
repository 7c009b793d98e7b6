#pragma once

#include "evaluation/report/LaidOutReport.h"
#include "evaluation/report/ReportDefinition.h"

// Lays a report out on pages. Bands are placed top to bottom; a detail or the summary that no
// longer fits above the page footer starts a new page, which again begins with the page header
// and the column header. The page count is known afterwards, and every "Seite x von y" holds it.
// The time grows linearly with the number of details.
LaidOutReport layOutReport(const ReportDefinition& definition);
