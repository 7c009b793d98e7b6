#pragma once

#include <QDate>
#include <QString>

// The rules for the next inspection of a vehicle.
namespace inspektion {

// The inspection must lie ahead of the current odometer reading.
bool kmZulaessig(int inspKm, int kmStand);
// A date of today is still accepted, an earlier one is not.
bool datumZulaessig(const QDate& datum, const QDate& heute);

enum class NeuFehler { Keiner, Datum, Kilometer };
// A new vehicle: a date in the future and, when given (not 0), kilometres beyond the initial reading.
NeuFehler neuesFahrzeugPruefen(int inspKm, int anfKm, const QDate& datum, const QDate& heute);

} // namespace inspektion
