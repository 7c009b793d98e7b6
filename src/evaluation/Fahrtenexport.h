#pragma once

#include "evaluation/BerichtStore.h"
#include "evaluation/Fahrtenliste.h"

#include <QString>
#include <QStringList>

class CsvSchreiber;

// The trip list as a CSV file for the tax adviser or a spreadsheet: the twelve columns as the list
// shows them, then the kind of trip as a word, the distance and the full remark.
namespace fahrtenexport {

const QStringList& kopf();

void schreiben(CsvSchreiber& csv, const Fahrtenliste& liste, const Bemerkungen& bemerkungen);

} // namespace fahrtenexport
