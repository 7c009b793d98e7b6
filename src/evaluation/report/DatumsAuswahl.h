#pragma once

#include <QString>

// The evaluation's period as the driver reports print it: which date boxes are ticked and the
// display dates of the last "Anzeigen" ("from" and "to").
struct DatumsAuswahl {
    bool abDatGesetzt = false;
    QString von;
    bool anDatGesetzt = false;
    QString bis;
};
