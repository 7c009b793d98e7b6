#pragma once

#include "audit/export/Exportspalte.h"
#include "audit/export/Exportzeitraum.h"

#include <vector>

class CsvSchreiber;

// The logbook rows of the period in every version: current, replaced by a correction, cancelled.
// Read as the evaluation reads them, with the names it shows and the chain value its CSV export
// computes, so an auditor sees what the program shows and can match each row to the chain.
namespace fahrtfassungen {

const std::vector<Exportspalte>& spalten();

void schreiben(CsvSchreiber& csv, const Exportzeitraum& zeitraum);

} // namespace fahrtfassungen
