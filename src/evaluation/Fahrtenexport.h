#pragma once

#include "evaluation/Fahrtenliste.h"

#include <QHash>
#include <QString>
#include <QStringList>

class CsvSchreiber;

// The trip list as a CSV file for the tax adviser or a spreadsheet: the twelve columns as the list
// shows them, then the kind of trip as a word, the distance and the full remark.
namespace fahrtenexport {

const QStringList& kopf();

// `bemerkungen` holds the remark of every listed trip that has one, by trip ID.
void schreiben(CsvSchreiber& csv, const Fahrtenliste& liste, const QHash<int, QString>& bemerkungen);

} // namespace fahrtenexport
