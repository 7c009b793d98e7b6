#pragma once

#include "audit/Korrektur.h"
#include "audit/Nachbarpruefung.h"
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

// What correcting the trip to `neu` means for the vehicle's current trips around it, read now.
nachbarpruefung::Befund nachbarbefund(int fahrtId, const fahrtspeicherung::Auftrag& neu);

// Store the new version of the trip (its new names become new rows) or its cancellation with the
// reason, and the protocol entry, together. A correction is checked against its neighbours once
// more inside the transaction; when the following trip has to begin at the new arrival reading it
// is corrected with the same reason if `folgefahrtMitkorrigieren`, else nothing is stored. Throw
// VarnoError, naming the trip and the rule, when the trip is no longer current or a rule is
// broken. Return the new row's ID.
qlonglong korrigieren(int fahrtId, const fahrtspeicherung::Auftrag& neu, const QString& grund,
                      bool folgefahrtMitkorrigieren = false);
qlonglong stornieren(int fahrtId, const QString& grund);

// The corrections and cancellations of trips that departed or arrived within the period (either
// version), of one vehicle or all, in the order they were made.
std::vector<Korrektur> korrekturen(std::optional<int> fahrzeug, bool ohneMusterfahrzeug, const QDateTime& von,
                                   const QDateTime& bis);

} // namespace KorrekturStore
