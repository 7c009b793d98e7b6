#pragma once

struct sqlite3;

// The engine's own handle of the logbook connection Qt opened, for what Qt's driver does not
// offer (collations, raw statements). Throws DatabaseError when no connection is open.
sqlite3* sqliteVerbindung();
