#pragma once

#include "audit/Pruefergebnis.h"

#include <optional>

// Whether the logbook as it stood when a Prüfwert was printed is still contained unchanged. The
// chains are walked in the order their rows were stored, each only up to the first row a finding
// names, and after every row the Prüfwert of that moment is compared with the one given. Someone
// who changed a row and computed every later value anew still cannot bring back the printed value.
namespace standsuche {

// A printed Prüfwert as typed: 32 hex digits (printed now), 64 (the check's full value) or 16
// (printed by earlier versions), in any case, with or without spaces and dashes. Gives the digits
// in capitals without separators; none for anything else.
std::optional<QString> pruefwertLesen(const QString& eingabe);

// The number of entries the logbook had when `pruefwert` (in any form pruefwertLesen takes) was
// printed; none when that state is not contained.
std::optional<qint64> finden(const QString& pruefwert, const Pruefergebnis& ergebnis);

} // namespace standsuche
