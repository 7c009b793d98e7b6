#pragma once

#include "logbuch/kette/Pruefkette.h"
#include "network/Zeitstempeldienst.h"

#include <QString>

#include <functional>
#include <optional>

// A backup or an export gets a trusted time stamp over the Prüfwert of the state it holds, when
// the options name a time-stamping service: kept as a chained protocol entry and as
// "<file>.tsr" (the service's answer, DER) beside the file.
namespace zeitstempelung {

struct Ergebnis {
    bool gespeichert = false;
    QString text; // German: the time stamp kept, or why none was kept
};

struct Auftrag {
    std::optional<pruefkette::Koepfe> koepfe; // the state to stamp; none: a changed logbook, which gets none
    QString anlass;                           // "Datensicherung", "Jahresfahrtenbuch"
    QString datei;                            // the backup or export the time stamp goes beside
    std::function<void(int)> fortschritt = {};
    std::chrono::milliseconds frist = Zeitstempeldienst::standardfrist;
};

// None when no service is set. A failure stores nothing and leaves the backup or export as it is.
std::optional<Ergebnis> anfordern(const Auftrag& auftrag);

} // namespace zeitstempelung
