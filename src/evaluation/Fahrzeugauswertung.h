#pragma once

#include "evaluation/Fahrtenliste.h"
#include "evaluation/TextTabelle.h"

#include <QString>

#include <vector>

// The view "nach Fahrzeugen": per vehicle the trips, the kilometres per kind of trip and the
// private share, which is what the tax office asks of a logbook.
namespace fahrzeugauswertung {

struct Fahrzeug {
    QString name;
    int anzahl = 0;
    KilometerJeArt km;
};

// Private kilometres as a share of all kilometres, in percent; 0 without kilometres.
double privatanteil(const KilometerJeArt& km);
// "33,3 %"
QString prozentText(double prozent);

// "Fahrzeug", "Anzahl", "Kilometer", "unzugeordnet", "privat", "Arbeitsweg", "geschäftlich", "Privatanteil".
TextTabelle tabelle(const std::vector<Fahrzeug>& fahrzeuge);

} // namespace fahrzeugauswertung
