#pragma once

#include <QStringList>

// The tables of the logbook and the rows the program relies on.
namespace Schema {

// The schema version this program writes; stored in PRAGMA user_version.
inline constexpr int currentVersion = 1;

// Brings the open database up to currentVersion: a new file gets every table and the delivered
// rows, an older file runs the missing migration steps. Throws DatabaseError.
void migrate();

// Every table of the logbook.
const QStringList& tableNames();

} // namespace Schema
