#pragma once

#include <QString>

// The schema version the open logbook is at: in the file's header for SQLite, in a table of its
// own on a server, where databases have no header of their own.
namespace schemastand {

// The server's version table; it belongs to the logbook but holds none of its data.
inline const QString servertabelle = QStringLiteral("varno_schema");

// 0 for a database that holds no logbook yet.
int lesen();
void setzen(int version);

} // namespace schemastand
