#pragma once

#include <QStringList>

// Schema version 5: every logbook row keeps the names it prints.
namespace schemaversion5 {

// The statements that add the name columns, with the dialect's placeholders.
const QStringList& definitionen();

// Runs them. The rows stored before keep NULL there and their chain values. A logbook whose chains
// began before records, in one chained protocol entry, every master name of this moment (what
// those rows print) with the heads and the Prüfwert before the step. Runs inside the migration's
// transaction.
void anlegen(bool mitKette);

} // namespace schemaversion5
