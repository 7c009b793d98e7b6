#pragma once

#include <QString>

#include <vector>

// The statements of the vehicle windows beyond those of TDataBase.
namespace KFZStore {

struct Merkpunkt {
    QString zeit; // German date-time, empty when the recorder stored none
    int km = 0;
    QString fahrer;
    QString bemerkung;
};

int offeneFahrzeuge();

// Waypoints of the vehicle key in time order, with the driver of the card that recorded them;
// waypoints of a card without a driver are left out.
std::vector<Merkpunkt> merkpunkte(const QString& fahrzeugSchluessel);

// Whether any vehicle, open or closed, has this plate text; plates do not differ by case alone.
bool kennzeichenVorhanden(const QString& kennzeichen);

// Closes the vehicle for good and makes the first open vehicle in plate order the remembered one.
void abschliessen(int kfzId);

} // namespace KFZStore
