#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The one connection of the process to the logbook file.
namespace Database {

inline constexpr auto fileName = "varno.db";
// How long a statement waits for another program that holds the file locked, for example a
// backup tool reading it at the same moment.
inline constexpr int sperrWartezeitMs = 2000;

enum class Access {
    ReadWrite,
    // A write-protected file or folder: reading works, every write fails with a German message.
    ReadOnly
};

// Opens the logbook at path and brings its schema up to date; a file that is no logbook is
// refused, never turned into one. Throws DatabaseError.
void open(const QString& path, Access access = Access::ReadWrite);
// Opens the logbook at path as it is, without touching its schema: for checking a file that must
// stay unchanged (a backup, another program's file) and for tests of older logbooks.
void openAsIs(const QString& path, Access access);
bool isOpen();
bool isReadOnly();
// Closes the connection (tests and restore use it; the program keeps it open for its whole run).
void close();
QSqlDatabase connection();

// Creates a new logbook file with the delivered rows at path; refuses to overwrite one.
void createNew(const QString& path);

// The files SQLite keeps beside the logbook `path` (rollback journal, write-ahead log): they belong
// to that logbook alone.
QStringList companionFiles(const QString& path);

} // namespace Database
