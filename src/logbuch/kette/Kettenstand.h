#pragma once

#include "logbuch/kette/Pruefkette.h"

#include <QString>
#include <QStringList>

// What a schema step that widens the chains records of the state before it, so a Prüfwert printed
// before the step can be traced to it.
namespace kettenstand {

// The heads as T_Pruefkette notes them; an empty head for a chain without a note.
pruefkette::Koepfe vermerkt();

// "Prüfwert 1A2B … (12 Einträge; T_MIREL 3 Einträge, letzter Wert …; …)", all 256 bits.
QString text(const pruefkette::Koepfe& koepfe);

// Adds a step's columns (see spaltenHinzufuegen). A logbook whose chains began before records in
// the protocol, chained itself, `was` the step does and the state before it, so what was printed
// before can be traced to the step. Runs inside the migration's transaction.
void erweitern(const QStringList& spalten, bool mitKette, const QString& was);

} // namespace kettenstand
