#pragma once

#include <QStringList>

// Schema version 4: every chained row names who stored it.
namespace schemaversion4 {

// The statements that add the column, with the dialect's placeholders.
const QStringList& definitionen();

// Runs them. A logbook whose chains began before records their heads and Prüfwert of this moment
// in the protocol, chained itself, so what was printed before can be traced to the step. Runs
// inside the migration's transaction.
void anlegen(bool mitKette);

} // namespace schemaversion4
