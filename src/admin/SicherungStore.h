#pragma once

#include <QString>

#include <optional>

class FileOperations;

// Backup copies of the logbook and the check that a file is a logbook this program can open.
namespace SicherungStore {

// Writes a consistent copy of the open logbook to `ziel`, replacing a file there only once the
// copy is complete. SQLite's online backup copies page by page through the engine, so the copy
// is never torn by a write in progress. Throws VarnoError.
void sichern(const QString& ziel, FileOperations& dateien);

// Why the file at `pfad` is not a sound logbook of a schema this program knows; none when it is.
std::optional<QString> logbuchMangel(const QString& pfad);

} // namespace SicherungStore
