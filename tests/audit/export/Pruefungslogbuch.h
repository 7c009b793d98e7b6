#pragma once

#include <QString>

// A small logbook with everything the auditor's files must carry: two vehicles (one by hand, one
// with a memory card taken over), trips in 2024 and 2025, a correction, a cancellation, names
// with a semicolon, quotes and a line break.
struct Pruefungslogbuch {
    int handfahrzeug = 0;
    int kartenfahrzeug = 0;
    int korrigiert = 0;  // the 2025 trip a correction replaced
    int korrektur = 0;   // the row that replaced it
    int storniert = 0;   // the 2025 trip that was cancelled
    int kartenfahrt = 0; // the 2025 trip completed from the card

    static inline const QString handkennzeichen = QStringLiteral("K-AB 1");
    static inline const QString kartenkennzeichen = QStringLiteral("K-CD 2");
    static inline const QString zweck = QStringLiteral("Kunde; \"Müller\"");

    static Pruefungslogbuch fuellen();
};
