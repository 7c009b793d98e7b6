#pragma once

#include "audit/Pruefergebnis.h"

// "Fahrtenbuch prüfen": recomputes the chains of the open logbook and names every row that no
// longer fits. The window, the start of the program and the command line all call this.
namespace fahrtenbuchpruefung {

// Throws DatabaseError when the logbook cannot be read (a damaged or foreign file).
Pruefergebnis pruefen();

} // namespace fahrtenbuchpruefung
