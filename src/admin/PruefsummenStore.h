#pragma once

#include <QString>

#include <optional>

// Every backup carries a checksum of its logbook content, computed from the finished copy and
// stored in a small table of the backup file. A restore compares it with the content it finds, so
// a backup that was cut off or altered after it was written is refused even when SQLite's own
// checks pass.
namespace PruefsummenStore {

// Computes the checksum of the file's content and stores it in the file. Throws DatabaseError.
void eintragen(const QString& sicherung);

// Why the file's content does not match its checksum; none when it matches, and none for a
// backup written before backups carried a checksum. Throws DatabaseError.
std::optional<QString> mangel(const QString& sicherung);

// Removes the checksum from a checked backup before it becomes the logbook. Throws DatabaseError.
void entfernen(const QString& sicherung);

} // namespace PruefsummenStore
