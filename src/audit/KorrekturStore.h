#pragma once

#include "audit/Korrektur.h"
#include "entry/Fahrtspeicherung.h"

#include <optional>
#include <vector>

// Every statement of correcting and cancelling stored trips. The replaced row stays untouched:
// the new row names it, and both are chained like any other.
namespace KorrekturStore {

std::optional<Fassung> fassung(int fahrtId);
// A version no other row replaces and that cancels nothing.
bool aktuell(int fahrtId);
bool kartenfahrzeug(int kfz);
// The latest arrival among the vehicle's current trips that departed before `abfahrt`, other than
// the trip itself; invalid when there is none.
QDateTime letzteAnkunftVor(int kfz, const QDateTime& abfahrt, int ausserFahrt);

// Store the new version of the trip (its new names become new rows) or its cancellation with the
// reason, and the protocol entry, together. Throw VarnoError when the trip is no longer current. Return the new row's
// ID.
qlonglong korrigieren(int fahrtId, const fahrtspeicherung::Auftrag& neu, const QString& grund);
qlonglong stornieren(int fahrtId, const QString& grund);

// The corrections and cancellations of trips that departed or arrived within the period (either
// version), of one vehicle or all, in the order they were made.
std::vector<Korrektur> korrekturen(std::optional<int> fahrzeug, bool ohneMusterfahrzeug, const QDateTime& von,
                                   const QDateTime& bis);

} // namespace KorrekturStore
