#pragma once

#include <QString>

#include <vector>

// The statements of the driver window.
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

// Whether a driver other than ausserId already has this name.
bool nameVergeben(const QString& name, int ausserId = 0);

int anlegen(const QString& name, const QString& bemerkung);
void aendern(int id, const QString& name, const QString& bemerkung);

// Deletes the driver unless logbook entries name him by now; returns whether he was deleted.
bool loeschen(int id);

} // namespace FahrerStore
