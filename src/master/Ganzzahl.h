#pragma once

#include <QString>

// Reads a whole number the way the recorder-number field expects it: leading blanks, an optional
// sign, then digits up to the end of the text.
struct GanzzahlErgebnis {
    bool gueltig = false;
    int wert = 0;
    // 1-based position of the first character that spoils the number (1 for an empty text).
    int fehlerPosition = 0;
};

GanzzahlErgebnis ganzzahlLesen(const QString& text);
