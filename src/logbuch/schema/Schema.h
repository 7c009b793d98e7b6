#pragma once

#include <QStringList>

class Dialekt;

// The tables of the logbook and the rows the program relies on.
namespace Schema {

// The schema version this program writes; where it is kept is the dialect's business.
inline constexpr int currentVersion = 6;

// Creates every table and the delivered rows in the open database, which must be empty, in the
// schema `version` (currentVersion unless a test wants an older logbook). Throws DatabaseError.
void create(int version = currentVersion);

// Brings the open logbook up to currentVersion by the missing migration steps; a database that is
// no logbook (an empty file, another program's database) is refused. Throws DatabaseError.
void migrate();

// The statements that create every table and index of currentVersion in the engine's types: what a
// backup file of a server logbook is made of.
QStringList definitionen(const Dialekt& dialekt);

// Every table of a logbook of schema `version`.
QStringList tableNames(int version = currentVersion);

// The table in which a backup notes its Prüfwert; a restored logbook keeps it.
inline const QString sicherungsvermerk = QStringLiteral("T_Pruefwertvermerk");

} // namespace Schema
