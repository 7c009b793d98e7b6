#pragma once

#include <QString>

// The number a field starts with: leading blanks are skipped and digits are read up to the first
// other character. Trailing blanks are how the kilometre fields pad their value, so they still
// leave a number; anything else after the digits (a gap followed by more digits, a letter) does not.
struct Zahlfeld {
    qint64 wert = 0;
    int ziffern = 0;
    bool istZahl = true;
};

Zahlfeld zahlLesen(const QString& text);
