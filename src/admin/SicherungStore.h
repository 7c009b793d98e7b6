#pragma once

#include <QString>

#include <optional>

class FileOperations;

// Backup copies of the logbook and the check a backup passes before it is restored.
namespace SicherungStore {

// Writes a consistent copy of the open logbook to `ziel`, with the checksum of its content, and
// replaces a file there only once the copy is complete. SQLite's online backup copies page by page
// through the engine, so the copy is never torn by a write in progress. Throws VarnoError.
void sichern(const QString& ziel, FileOperations& dateien);

// Why the file at `pfad` must not become the logbook: not a sound logbook of a schema this program
// knows, cut off, or changed since its backup was written. None when it may.
std::optional<QString> ruecksicherungsMangel(const QString& pfad);

} // namespace SicherungStore
