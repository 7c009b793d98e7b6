#pragma once

#include "audit/Pruefergebnis.h"

#include <array>
#include <vector>

// Every chained row carries its number in the order of storing (Laufnr), counted across all
// chains. Each chain alone only shows rows missing before its own last row; cutting a chain's
// newest rows and setting its notes to the new last row leaves that chain consistent. Those
// rows still leave a gap in the numbers as long as any other chain stored something after
// them, and the first row stored after the gap is named.
class Laufnummernpruefung {
public:
    // Rows of one chain are handed over in ID order.
    void zeile(pruefkette::Kette kette, qlonglong id, qint64 laufnr);
    // One finding per gap, naming the first row after it; none when the numbers run from 1 on
    // without a gap.
    std::vector<Pruefbefund> abschliessen() const;

private:
    struct Glied {
        qint64 laufnr;
        qlonglong id;
    };

    std::array<std::vector<Glied>, pruefkette::alleKetten.size()> ketten_;
};
