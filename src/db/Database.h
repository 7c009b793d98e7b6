#pragma once

#include "db/DatabaseError.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class Dialekt;

// The one connection of the program to its database: a SQLite file or a database on a PostgreSQL
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

// Connects to the database at `ort` as it is: an existing file (never a new one) or a database on a
// server. A server that wants a password gets it through the prompt interface; it is kept in memory
// for reconnecting and never written anywhere. What the database holds is no concern of the engine:
// Logbuch opens logbooks. Throws DatabaseError.
void verbinden(const QString& ort, Access access);
bool isOpen();
// Whether the open connection is one to a server.
bool isServer();
bool isReadOnly();
// How long a statement on a server waits for another user's lock before it gives up with a German
// message, for connections opened from now on; 0 (the window program's choice): as long as it takes.
void setServerWartezeit(int sekunden);
// Closes the connection (tests and restore use it; the program keeps it open for its whole run).
void schliessen();
// The open connection. A server connection that broke off is opened again here, so the next
// action after the message about it works once the server is back. Throws DatabaseError.
QSqlDatabase connection();
// What the engine of the open connection does its own way. Throws DatabaseError when none is open.
const Dialekt& dialekt();
// The `ort` of the open logbook.
QString ort();

// The files SQLite keeps beside the logbook `path` (rollback journal, write-ahead log): they belong
// to that logbook alone.
QStringList companionFiles(const QString& path);

} // namespace Database
