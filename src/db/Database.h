#pragma once

#include "db/DatabaseError.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class Dialekt;

// The one connection of the program to the logbook: a SQLite file or a database on a PostgreSQL
// server. Each thread has its own (the program uses one; tests play a second user on another). Where a function takes
// `ort`, that is a file path or a server address (postgresql://benutzer@rechner:port/datenbank, see Serveradresse).
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

// A server database that holds no logbook yet; createNew puts one there.
class LeereDatenbank : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

// Opens the logbook at `ort` and brings its schema up to date; a file that is no logbook is
// refused, never turned into one. A server that wants a password gets it through the prompt
// interface; it is kept in memory for reconnecting and never written anywhere. Throws DatabaseError.
void open(const QString& ort, Access access = Access::ReadWrite);
// Opens the logbook at `ort` as it is, without touching its schema: for checking a file that must
// stay unchanged (a backup, another program's file) and for tests of older logbooks.
void openAsIs(const QString& ort, Access access);
bool isOpen();
bool isReadOnly();
// How long a statement on a server waits for another user's lock before it gives up with a German
// message, for connections opened from now on; 0 (the window program's choice): as long as it takes.
void setServerWartezeit(int sekunden);
// Closes the connection (tests and restore use it; the program keeps it open for its whole run).
void close();
// The open connection. A server connection that broke off is opened again here, so the next
// action after the message about it works once the server is back. Throws DatabaseError.
QSqlDatabase connection();
// What the engine of the open connection does its own way. Throws DatabaseError when none is open.
const Dialekt& dialekt();
// The `ort` of the open logbook.
QString ort();

// Creates a new logbook with the delivered rows at `ort`: a new file (never over an existing one)
// or an empty server database (never over tables already there). Leaves it open.
void createNew(const QString& ort);

// The files SQLite keeps beside the logbook `path` (rollback journal, write-ahead log): they belong
// to that logbook alone.
QStringList companionFiles(const QString& path);

} // namespace Database
