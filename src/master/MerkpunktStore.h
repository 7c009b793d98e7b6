#pragma once

#include <QString>

#include <vector>

// The waypoints the vehicle window lists; the vehicle statements are in FahrzeugStore.
namespace MerkpunktStore {

struct Merkpunkt {
    QString zeit; // German date-time, empty when the recorder stored none
    int km = 0;
    QString fahrer;
    QString bemerkung;
};

// Waypoints of the vehicle key in time order, with the driver of the card that recorded them;
// waypoints of a card without a driver are left out.
std::vector<Merkpunkt> merkpunkte(const QString& fahrzeugSchluessel);

} // namespace MerkpunktStore
