#pragma once

#include "db/Database.h"

#include <QString>

// The logbook on the engine's connection: the only way the program opens one. Where a function
// takes `ort`, that is a file path or a server address, as for Database::verbinden.
namespace Logbuch {

// A server database that holds no logbook yet; anlegen puts one there.
class LeereDatenbank : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

// Opens the logbook at `ort` and brings its schema up to date; a file that is no logbook is
// refused, never turned into one. Throws DatabaseError.
void oeffnen(const QString& ort, Database::Access access = Database::Access::ReadWrite);
// Opens the logbook at `ort` as it is, without touching its schema: for checking a file that must
// stay unchanged (a backup, another program's file) and for tests of older logbooks.
void wieVorgefunden(const QString& ort, Database::Access access);
// Creates a new logbook with the delivered rows at `ort`: a new file (never over an existing one)
// or an empty server database (never over tables already there). Leaves it open.
void anlegen(const QString& ort);

} // namespace Logbuch
