#pragma once

#include "card/ImportZeilen.h"

#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// Every statement of the card import.
namespace KartenimportStore {

// The name of the card's driver; none when the card has no driver yet. A card whose driver row
// is gone has a driver without name.
std::optional<QString> kartenfahrer(const QString& cfid);

// A vehicle met on a card: memory-card input, its logbook starting at the record's odometer. False
// when a vehicle has this plate text already.
bool fahrzeugAnlegen(const QString& kennzeichen, int kfzId, int startKm, const QDateTime& start);

// What identifies a taken-over trip: start time, start odometer and vehicle key.
QString fahrtKennung(const std::optional<QDateTime>& startzeit, int startKm, const QString& kfzSchluessel);
inline QString fahrtKennung(const ImportFahrt& fahrt)
{
    return fahrtKennung(fahrt.startzeit, fahrt.startKm, fahrt.kfzSchluessel);
}
// The identifications of all raw trips stored for the card.
QSet<QString> gespeicherteFahrten(const QString& cfid);

// Stores the trips as unprocessed raw trips and the waypoints, all or nothing. Returns the row of
// each waypoint in T_Merkpunkte, in order. A trip another user took over meanwhile (same card,
// start time and vehicle) stops it with a German VarnoError.
std::vector<qlonglong> uebernehmen(const QString& cfid, const QDateTime& einlesedatum,
                                   const std::vector<const ImportFahrt*>& fahrten,
                                   const std::vector<ImportMerkpunkt>& merkpunkte,
                                   const std::function<void(int)>& fortschritt = {});

// Stores the waypoints that have no row yet and writes the remark of those that have one; a
// waypoint already stored for the card (same time, odometer and vehicle) is not stored twice.
// Returns the rows as uebernehmen does.
std::vector<qlonglong> merkpunkteSichern(const QString& cfid, const std::vector<ImportMerkpunkt>& merkpunkte);

// Assigns the driver of this name to the card, creating the driver when no driver has that name.
void fahrerZuordnen(const QString& cfid, const QString& name);

} // namespace KartenimportStore
