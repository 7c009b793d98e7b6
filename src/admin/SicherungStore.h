#pragma once

#include <QString>

#include <chrono>
#include <functional>
#include <optional>
#include <thread>

class FileOperations;

// Backup copies of the logbook and the check a backup passes before it is restored.
namespace SicherungStore {

// How long a backup keeps trying while another program holds the logbook busy, and how it
// waits between two tries.
struct Geduld {
    std::chrono::milliseconds frist{10000};
    std::function<void()> pause = [] { std::this_thread::sleep_for(std::chrono::milliseconds(50)); };
};

// Writes a consistent copy of the open logbook to `ziel`, with the logbook's Prüfwert and the
// checksum of its content, and replaces a file there only once the copy is complete. SQLite's
// online backup copies page by page through the engine, so the copy is never torn by a write in
// progress; a server logbook is read in one snapshot into the same file format. Throws VarnoError,
// with a German message when the logbook stayed busy longer than the patience allows.
void sichern(const QString& ziel, FileOperations& dateien, const Geduld& geduld = {});

// Why the file at `pfad` must not become the logbook: not a sound logbook of a schema this program
// knows, cut off, or changed since its backup was written. None when it may.
std::optional<QString> ruecksicherungsMangel(const QString& pfad);

} // namespace SicherungStore
