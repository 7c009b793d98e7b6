#pragma once

#include "support/TestDatabase.h"

// The master rows the trips of a test logbook share, for logbooks built trip by trip.
struct Fahrtvorlage {
    int start = 0; // T_ORTE.ID
    int ziel = 0;
    int zweck = 1;
    int fahrer = 0;
    int kategorie = 0;

    // An hour's trip of `kfz` from `ab` with these rows: business, no remark.
    build::Fahrt stunde(int kfz, const QDateTime& ab, int kmAb, int kmAn) const;
};
