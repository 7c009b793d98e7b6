#pragma once

#include "audit/Pruefergebnis.h"

#include <optional>

// Whether the logbook as it stood when a Prüfwert was printed is still contained unchanged. The
// chains are walked in the order their rows were stored, each only up to the first row a finding
// names, and after every row the Prüfwert of that moment is compared with the one given. Someone
// who changed a row and computed every later value anew still cannot bring back the printed value.
namespace standsuche {

// "3F2A 9C01-B7E4d5a6" and the like in the printed form (16 hex digits in capitals); none for
// anything else.
std::optional<QString> pruefwertLesen(const QString& eingabe);

// The number of entries the logbook had at that moment; none when that state is not contained.
std::optional<qint64> finden(const QString& pruefwert, const Pruefergebnis& ergebnis);

} // namespace standsuche
