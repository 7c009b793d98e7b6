#pragma once

#include <QString>

// Backup and restore of a logbook on a server in the format of every Varno backup: an SQLite file
// with the schema of a local logbook, so either engine can take it back.
namespace Serversicherung {

// Writes every row of the open server logbook, as one consistent state, into the empty file
// `datei`. Throws DatabaseError.
void schreiben(const QString& datei);

// Replaces the whole content of the open server logbook by the rows of the checked backup `datei`,
// in one transaction: when anything fails the logbook stays as it was. A backup of an older schema
// is first brought up to date in the file, as a local logbook would be. Throws DatabaseError.
void einspielen(const QString& datei);

} // namespace Serversicherung
