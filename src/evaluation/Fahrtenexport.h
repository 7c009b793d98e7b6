#pragma once

#include "evaluation/BerichtStore.h"
#include "evaluation/Fahrtenliste.h"

#include <QString>
#include <QStringList>

class CsvSchreiber;

// The trip list as a CSV file for the tax adviser or a spreadsheet, in the columns of
// Fahrtspalte::datei(): the twelve columns as the list shows them, then the kind of trip as a
// word, the distance, the entry time, who stored it, the full remark and the trip's chain value,
// with which an auditor can match each row to the logbook's chain.
namespace fahrtenexport {

const QStringList& kopf();

void schreiben(CsvSchreiber& csv, const Fahrtenliste& liste, const Fahrtenzusatz& zusatz);

} // namespace fahrtenexport
