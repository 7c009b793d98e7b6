#pragma once

#include "db/Pruefkette.h"

#include <QString>

// What a schema step that widens the chains records of the state before it, so a Prüfwert printed
// before the step can be traced to it.
namespace kettenstand {

// The heads as T_Pruefkette notes them; an empty head for a chain without a note.
pruefkette::Koepfe vermerkt();

// "Prüfwert 1A2B … (12 Einträge; T_MIREL 3 Einträge, letzter Wert …; …)", all 256 bits.
QString text(const pruefkette::Koepfe& koepfe);

} // namespace kettenstand
