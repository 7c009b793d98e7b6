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
// The vehicles whose trips are entered by hand and whose logbook is open: ID and name, by name.
std::vector<std::pair<int, QString>> handfahrzeuge();
// The latest arrival among the vehicle's current trips that departed before `abfahrt`, other than
// the trip itself; invalid when there is none.
QDateTime letzteAnkunftVor(int kfz, const QDateTime& abfahrt, int ausserFahrt);

// Whether the trip was entered after a later trip of its vehicle: a forgotten trip entered later,
// or one moved there from another vehicle. A correction is no later entry.
bool nachgetragen(int fahrtId);

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

// "Fahrzeug ändern": the trip as `neu` under the vehicle `neu.fahrzeug`, among that vehicle's current
// trips around it, read now. Both vehicles take their trips by hand: a card trip stays with the
// vehicle whose recorder recorded it.
nachbarpruefung::Befund umsetzbefund(int fahrtId, const fahrtspeicherung::Auftrag& neu);
// Cancels the trip with the reason and stores `neu` under the other vehicle as a trip of its own,
// checked there once more, with one protocol entry; the following trip there is corrected with the
// same reason if `folgefahrtMitkorrigieren` and it has to be. All or nothing, like korrigieren().
// Returns the new trip's ID.
qlonglong umsetzen(int fahrtId, const fahrtspeicherung::Auftrag& neu, const QString& grund,
                   bool folgefahrtMitkorrigieren = false);

// "Fahrt nachtragen": a forgotten trip of a vehicle that takes its trips by hand, among the
// vehicle's current trips around it, read now.
nachbarpruefung::Befund nachtragbefund(const fahrtspeicherung::Auftrag& neu);
// Stores the forgotten trip with the time it is entered, checked once more; the following trip is
// corrected, with the reason that a trip was entered later, if `folgefahrtMitkorrigieren` and it
// has to be. All or nothing. Returns the new trip's ID.
qlonglong nachtragen(const fahrtspeicherung::Auftrag& neu, bool folgefahrtMitkorrigieren = false);

// The corrections and cancellations of trips that departed or arrived within the period (either
// version), of one vehicle or all, in the order they were made.
std::vector<Korrektur> korrekturen(std::optional<int> fahrzeug, bool ohneMusterfahrzeug, const QDateTime& von,
                                   const QDateTime& bis);

} // namespace KorrekturStore
