#pragma once

#include <QStringList>

// The tables of the logbook and the rows the program relies on.
namespace Schema {

// The schema version this program writes; stored in PRAGMA user_version.
inline constexpr int currentVersion = 2;

// Creates every table and the delivered rows in the open database, which must be empty, in the
// schema `version` (currentVersion unless a test wants an older logbook). Throws DatabaseError.
void create(int version = currentVersion);

// Brings the open logbook up to currentVersion by the missing migration steps; a database that is
// no logbook (an empty file, another program's database) is refused. Throws DatabaseError.
void migrate();

// Every table of a logbook of schema `version`.
QStringList tableNames(int version = currentVersion);

} // namespace Schema
