#pragma once

#include <QStringList>

// Schema version 6: the time-stamping service every user of the logbook asks, and the
// certificate its signatures are checked against instead of the system's.
namespace schemaversion6 {

inline constexpr int version = 6;

// The statements that add the options' columns, with the dialect's placeholders.
const QStringList& definitionen();

// Runs them. Runs inside the migration's transaction.
void anlegen();

} // namespace schemaversion6
