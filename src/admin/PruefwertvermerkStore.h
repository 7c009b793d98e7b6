#pragma once

#include "logbuch/kette/Pruefkette.h"

#include <QString>

#include <optional>

// Every backup keeps the Prüfwert of the logbook it holds and the time it was written, in a small
// table of the backup file. Against that value, kept outside the working file, `varno pruefen
// --gegen` later confirms that the logbook of that moment is still contained unchanged.
namespace PruefwertvermerkStore {

// Notes the Prüfwert in the backup at `sicherung`. Throws DatabaseError.
void eintragen(const QString& sicherung, const QString& pruefwert);

// The chains' notes inside the backup file: length and last value of each chain it holds.
pruefkette::Koepfe gesicherteKoepfe(const QString& sicherung);

// The Prüfwert the backup's content gives, recomputed row by row: the value of the backup's own
// snapshot, whatever was stored in the live logbook since; "ungültig" when its chains do not hold.
// Throws VarnoError.
QString gesicherterPruefwert(const QString& sicherung);

// The Prüfwert a backup keeps; none for a backup without one. Throws DatabaseError.
std::optional<QString> pruefwert(const QString& sicherung);

} // namespace PruefwertvermerkStore
