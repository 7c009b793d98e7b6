#pragma once

#include <QString>

#include <vector>

// What the driver window reads; its changes go through StammdatenStore, the drivers' one writer.
namespace FahrerStore {

struct Fahrer {
    int id = 0;
    QString name;
    QString bemerkung;      // empty also when none is stored
    int fahrten = 0;        // logbook entries of the driver
    QString letzteAnkunft;  // arrival of the most recently stored entry, empty without entries
    QString letztesFahrzeug;
};

// Every driver in name order.
std::vector<Fahrer> alle();

} // namespace FahrerStore
