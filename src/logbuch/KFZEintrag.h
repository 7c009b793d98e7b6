#pragma once

#include <QString>

#include <optional>
#include <vector>

// One open vehicle as the main window and the vehicle window list it.
struct KFZEintrag {
    QString KZuFzg;
    int ID = 0;
    int InspKM = 0;        // 0: no inspection due
    QString InspDat;       // German date, "01.01.2002" for none
    int KmStand = 0;       // largest km_an of the logbook, AnfKM without logbook rows
    bool Abgeschlossen = false;
    int Eingabeart = 0;    // 0 manual, 1 memory card, 2 serial recorder
    int KFZID = -1;        // recorder vehicle number, -1 for none
};

// Input types of a vehicle.
enum Eingabeart { EingabeManuell = 0, EingabeVarno = 1, EingabeMirel = 2 };

// "<KFZID> - <KZuFzg>": how raw trips and waypoints name their vehicle.
QString fahrzeugSchluessel(int kfzId, const QString& kzuFzg);

// Where the vehicle with this ID stands in `liste`; 0 (the first) when it is not there or none is
// given.
int listenplatz(const std::vector<KFZEintrag>& liste, std::optional<int> id);
