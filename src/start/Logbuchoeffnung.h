#pragma once

#include "db/Database.h"
#include "start/Startdateipruefung.h"

#include <QString>

#include <functional>
#include <optional>

// The one sequence that opens the chosen logbook at start, for the windows and the commands alike.
namespace logbuchoeffnung {

// Whether an empty server database is to get a new logbook; `meldung` says that it holds none.
using NeuesServerlogbuch = std::function<bool(const QString& meldung)>;

// Opens the logbook at `ort` (a file or a server address) and brings its schema up to date. An empty
// server database gets a new logbook when `neuesServerlogbuch` agrees, and false comes back when it
// does not (nothing is open then); without it, as for a command, an empty database is an error.
// Throws DatabaseError.
bool oeffnen(const QString& ort, Database::Access zugriff, const NeuesServerlogbuch& neuesServerlogbuch = {});

// The check of the logbook file before it is opened, offered again through the prompt interface
// as long as another program holds the file; none when the user gives up.
std::optional<Startbefund> dateiPruefen(const Startdateipruefung& pruefung, const QString& datei);

// The same check and opening for a command, which can neither ask nor show a window: a file that
// is missing, locked, damaged or no logbook throws its reason (a lock is waited for once, not
// retried), a write-protected one is opened for reading. A server address is opened as it is.
// Throws DatabaseError.
void fuerBefehlOeffnen(const QString& ort, const Startdateipruefung& pruefung = Startdateipruefung());

} // namespace logbuchoeffnung
