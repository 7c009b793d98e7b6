#pragma once

#include "evaluation/Auswertungsstand.h"
#include "evaluation/Fahrtenliste.h"

#include <QString>

// "Exportieren …" of the evaluation: the result on screen as a CSV file. The trip list gives
// every listed trip (see fahrtenexport), the driver and vehicle views their table in the form a
// spreadsheet reads.
namespace ansichtsexport {

// The proposed file name, for example "Fahrten_B-XY-1_2025.csv"; `fahrzeug` and `fahrer` are
// the texts of the window's vehicle and driver lists.
QString vorschlag(const Auswertungsstand& stand, const QString& fahrzeug, const QString& fahrer);

// Throws VarnoError when the file cannot be written, DatabaseError when the remarks cannot be read.
void schreiben(const QString& pfad, const Auswertungsstand& stand, const Fahrtenliste& fahrten);

} // namespace ansichtsexport
