#pragma once

#include <QSqlDatabase>
#include <QString>

// The one connection of the process to the logbook file.
namespace Database {

inline constexpr auto fileName = "varno.db";
// How long a statement waits for another program that holds the file locked, for example a
// backup tool reading it at the same moment.
inline constexpr int sperrWartezeitMs = 2000;

// Opens the logbook at path and brings its schema up to date. Throws DatabaseError.
void open(const QString& path);
bool isOpen();
// Closes the connection (tests and restore use it; the program keeps it open for its whole run).
void close();
QSqlDatabase connection();

// Creates a new logbook file with the delivered rows at path; refuses to overwrite one.
void createNew(const QString& path);

} // namespace Database
