#pragma once

#include <QString>

// The distance (Ekm, 4 places) and the arrival odometer (EkmStand, 7 places) of the trip entry
// are kept in agreement with each other and with the last known odometer reading when the user
// leaves one of them. Both hold their number left-aligned, padded with blanks.
namespace kilometerfeld {

inline constexpr int streckeBreite = 4;
inline constexpr int standBreite = 7;

struct Felder {
    QString ekm;
    QString ekmStand;
};

struct Ergebnis {
    Felder felder;
    bool fehler = false; // "Fehler bei der Eingabe": the field left holds no number
};

bool istLeer(const QString& text);

// A number left-aligned and padded to the width; a negative distance cannot be shown and is left empty.
QString linksbuendig(qint64 wert, int breite);

// Both fields rewritten as their numbers; an empty field stays empty.
Felder formatieren(const Felder& felder);

// Leaving Ekm (only while it is enabled).
Ergebnis ekmVerlassen(const Felder& felder, qint64 letzterStand);

// Leaving EkmStand. A card vehicle's reading comes from the recorder and is kept even when it
// lies below the last known reading.
Ergebnis ekmStandVerlassen(const Felder& felder, qint64 letzterStand, bool kartenfahrzeug, bool ekmStandAktiv);

} // namespace kilometerfeld
