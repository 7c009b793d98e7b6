#pragma once

#include "audit/Pruefergebnis.h"

#include <optional>

// The check of the open logbook as the windows show it (status bar, marked rows, page footers).
// A check runs again only when the logbook changed since the last one, through this program or
// through any other, so a million rows are not read on every showing.
class Pruefstand {
public:
    // The result for the logbook as it stands now. Throws DatabaseError when it cannot be read.
    const Pruefergebnis& aktuell();
    // Takes a result just computed (the start-up check, "Fahrtenbuch prüfen").
    void merken(const Pruefergebnis& ergebnis);
    // For page footers: Pruefergebnis::vermerk() and on a line of its own
    // "Prüfkette seit <date>", or why there is none; then the latest time stamp that holds,
    // "Zeitstempel vom <time> (Dienst <address>)".
    QString vermerk();

private:
    std::optional<Pruefergebnis> ergebnis_;
    QString datenstand_;
};
