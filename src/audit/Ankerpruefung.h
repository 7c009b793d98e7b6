#pragma once

#include "audit/Ankerdatei.h"

#include <optional>

// Whether the open logbook still holds a state kept outside it. Inside the file a rollback to an
// earlier consistent state, an older file put in its place or a full recompute cannot be told
// from a logbook that was never longer; against an anchor they can.
namespace ankerpruefung {

// The Prüfwert of the logbook's first `anzahl` entries of each chain, from the chains' values as
// stored; none when a chain has fewer entries. Reads in the caller's snapshot.
std::optional<QByteArray> pruefwertBei(const std::array<qint64, pruefkette::alleKetten.size()>& anzahl);

// Every chain still has the anchored number of entries, and the Prüfwert of those entries is the
// anchored one. Reads all chains in one snapshot.
bool enthalten(const Anker& anker);

struct Befund {
    bool stimmt = true;
    bool beschaedigt = false; // the file is damaged or unreadable
    QString text;             // German, for the check's report
};

// Checks the last anchor of `logbuch` in the file (the last of any logbook when none is named).
// A file without an anchor of it, or a damaged file, counts against the logbook only when the
// anchors were `erwartet` (a file given for the check); otherwise it is only said.
Befund letztenPruefen(const Ankerdatei& datei, const std::optional<QString>& logbuch, bool erwartet);

} // namespace ankerpruefung
