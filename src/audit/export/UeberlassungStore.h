#pragma once

#include "audit/export/Exportspalte.h"
#include "audit/export/Exportzeitraum.h"

#include <QString>

#include <vector>

class CsvSchreiber;

// The statements of the auditor's export beyond the evaluation's trip list: master tables, raw
// trips and the protocol, each column as stored. Column and table names are the program's own.
namespace UeberlassungStore {

// Every row of `tabelle` by ID, the columns named as `spalten` name them.
void alleZeilen(CsvSchreiber& csv, const QString& tabelle, const std::vector<Exportspalte>& spalten);

// The raw trips (T_basis) starting within the period, or read in then when they carry no start
// time; of the period's vehicle only when it names one.
void rohfahrten(CsvSchreiber& csv, const std::vector<Exportspalte>& spalten, const Exportzeitraum& zeitraum);

} // namespace UeberlassungStore
