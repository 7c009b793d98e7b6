#pragma once

#include "audit/Kettenpruefer.h"

#include <QString>

#include <functional>

// What the check of the chains reads: every chained row with the value its content gives now, and
// the words that name a row in a finding.
namespace PruefStore {

// Every row of the chain in ID order. The row handed over is valid during the call only.
void zeilenLesen(pruefkette::Kette kette, const std::function<void(const Kettenpruefer::Zeile&)>& zeile);

// The row in words: vehicle, date and time ("Fahrzeug B-XY 1, Golf, Fahrt vom 01.03.2024 08:00").
QString zeilenname(pruefkette::Kette kette, qlonglong id);

// A text that changes whenever the logbook changes: a write of this program (its connection's
// count of changes), of any other program (SQLite's data version), or another file opened. Two
// equal texts mean the chains need no new check.
QString datenstand();

} // namespace PruefStore
