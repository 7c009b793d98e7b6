#pragma once

#include "evaluation/Fahrtenliste.h"
#include "evaluation/Pruefwert.h"

#include <QString>

#include <vector>

// The full remark of each listed trip, in list order; empty for a trip without one.
using Bemerkungen = std::vector<QString>;
// When each listed trip was stored, as shown (see fahrtfassung::erfasst), in list order.
using Erfassungen = std::vector<QString>;

// Who stored each listed trip, in list order; empty for a trip stored before that was recorded.
using Speichernde = std::vector<QString>;

// The chain value of each listed trip, in list order.
using Pruefwerte = std::vector<Pruefwert>;

// What the trip list's file holds beyond the list's own columns.
struct Fahrtenzusatz {
    Bemerkungen bemerkungen;
    Erfassungen erfassungen;
    Speichernde speichernde;
    Pruefwerte pruefwerte;
};

// What the printed reports and the files read beyond the evaluation's own lists.
class BerichtStore {
public:
    Bemerkungen bemerkungen(const Fahrtenliste& liste) const;
    Erfassungen erfassungen(const Fahrtenliste& liste) const;
    Speichernde speichernde(const Fahrtenliste& liste) const;
    Pruefwerte pruefwerte(const Fahrtenliste& liste) const;
    Fahrtenzusatz fahrtenzusatz(const Fahrtenliste& liste) const;
};
