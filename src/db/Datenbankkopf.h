#pragma once

#include <QString>

#include <optional>

// The first 100 bytes of an SQLite file state its page size and, when the file was written by a
// current SQLite, its page count. A copy that lost its last bytes still opens, and SQLite reads
// the missing bytes as zeros without complaint; only comparing the length with the header tells.
namespace datenbankkopf {

struct Kopf {
    qint64 seitengroesse = 0;
    // Pages the file holds by its header; none when the header's count is not maintained.
    std::optional<qint64> seitenzahl;
};

// None when the file cannot be read or does not start like an SQLite database.
std::optional<Kopf> lesen(const QString& pfad);

// Why the file's length does not match what its header states; none when it matches or when the
// file has no SQLite header to compare with (an empty file, or another kind of file: the engine
// tells those apart).
std::optional<QString> laengenMangel(const QString& pfad);

} // namespace datenbankkopf
