#pragma once

#include "evaluation/report/ReportDefinition.h"

// Every page's footer names, at its left, the logbook's Prüfwert and whether the logbook
// verified, so a printed page can be checked against the file later.
void pruefvermerkEinfuegen(ReportDefinition& report, const QString& vermerk);
