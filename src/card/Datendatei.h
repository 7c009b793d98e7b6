#pragma once

#include <QString>

#include <filesystem>
#include <optional>

// What the card windows share about the card's data file.
namespace datendatei {

// The file-system path of a path the user chose, in the encoding the system uses for file names.
std::filesystem::path pfad(const QString& pfad);

// Why the file is not a readable data file of the recorder ("Fehler bei Dateizugriff",
// "keine Varno Datendatei"); none when it is one.
std::optional<QString> mangel(const QString& pfad);

// Checks that the file is readable and a data file of the recorder; warns the user otherwise.
// A good path is remembered as the last data-file path.
bool pruefen(const QString& pfad);

} // namespace datendatei
