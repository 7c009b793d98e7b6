#pragma once

#include "db/Database.h"

#include <QString>

#include <optional>

// Whether a file is a sound logbook of a schema this program knows. Runs on a connection of its
// own and only reads (SQLite itself may first take back a transaction a crash interrupted), so a
// damaged file is never written and the program's connection is not touched.
namespace Logbuchpruefung {

enum class Befund { Gesund, Fehlt, KeinZugriff, KeinLogbuch, NeuereVersion, Beschaedigt, Gesperrt };

// How closely the pages are read: the structure of every page at start (quick_check, fast), and
// before a backup is restored also every index against its table (integrity_check).
enum class Tiefe { Schnell, Gruendlich };

struct Ergebnis {
    Befund befund = Befund::Gesund;
    // What is wrong, one German sentence for the user; empty when the file is sound.
    QString grund;

    bool gesund() const { return befund == Befund::Gesund; }
};

// Why the file cannot be read at all (missing, a folder, no permission); none when it can.
std::optional<Ergebnis> zugriffsMangel(const QString& pfad);

// `sperrWartezeitMs`: how long to wait for another program that holds the file locked.
Ergebnis pruefen(const QString& pfad, Tiefe tiefe, int sperrWartezeitMs = Database::sperrWartezeitMs);

} // namespace Logbuchpruefung
