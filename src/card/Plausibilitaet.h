#pragma once

#include "card/ImportZeilen.h"

#include <functional>
#include <vector>

// The plausibility check of a reading: trips that look unnecessary or unrealistic are marked red
// and not taken over unless the user turns them green.

enum class Pruefbefund {
    Gruen,
    Rot,
    // The duration or the speed cannot be computed (no start time, under one minute with distance).
    Umwandlungsfehler
};

// Rules for one trip; `vorige` is the trip row above it, none for the first. A trip without end
// time is never marked.
// - longer than one day;
// - faster than 200 km/h on average, over the hours and minutes of the duration's time of day;
// - no distance, and the same kind and place as the row above (intermediate stops count as the place).
Pruefbefund pruefeFahrt(const ImportFahrt& fahrt, const ImportFahrt* vorige);

struct Pruefung {
    // One flag per trip: true is red.
    std::vector<bool> rot;
    // Row numbers (the first trip is row 1) whose values could not be converted.
    std::vector<int> fehlerzeilen;
};

// Also marks every trip that `schonGespeichert` names: it was taken over before, and its erase
// on the card must have failed.
Pruefung pruefeFahrten(const std::vector<ImportFahrt>& fahrten,
                       const std::function<bool(const ImportFahrt&)>& schonGespeichert = {});
