#pragma once

#include "common/VarnoError.h"
#include "logbuch/kette/Kettenanhang.h"
#include "entry/Stammdaten.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace fahrtspeicherung {
struct Auftrag;
}

// One logbook row as the trip entry shows the last trip.
struct Logbuchzeile {
    int id = 0;
    QDateTime abDat;
    QDateTime anDat;
    int kmAn = 0;
    std::optional<int> start;
    std::optional<int> ziel;
    int art = 0;
    std::optional<int> zweck;
    std::optional<int> kategorie;
    std::optional<int> fahrer;

    bool istStartdatensatz() const { return art == 99; }
};

// An unprocessed raw trip of a card vehicle.
struct Rohfahrt {
    int id = 0;
    std::optional<QDateTime> startzeit;
    int startkm = 0;
    std::optional<QDateTime> zielzeit;
    int zielkm = 0;
    QString fahrer; // the card's driver, "unbekannt" when the card has none or the record is not OK
    int cf = 0;
    QString art;
    QString ort;
    QString grund;
    QString kat;
};

// The logbook changed under the window: the German message says how; the window reloads.
class Fahrtkonflikt : public VarnoError {
public:
    using VarnoError::VarnoError;
};

// The raw trip the save would take was taken by another save in the meantime.
class Rohfahrtkonflikt : public Fahrtkonflikt {
public:
    using Fahrtkonflikt::Fahrtkonflikt;
};

// Every statement of the trip entry.
namespace EingabeStore {

Stammdaten stammdaten();

// The vehicle's newest logbook rows by departure, newest first (the last trip and the one before).
std::vector<Logbuchzeile> letzteFahrten(int kfz, int anzahl);

// The vehicle's raw trips not yet completed, by start time.
std::vector<Rohfahrt> unbearbeiteteRohfahrten(int kfz);

int hoechsteFahrtdauer();                   // T_Optionen.tFahrt, hours
int hoechsteDurchschnittsgeschwindigkeit(); // T_Optionen.V, km/h

// The logbook row of the trip with its names resolved (a new name becomes a new row, recorded in
// the protocol); called inside the transaction that stores the row.
Fahrtenbucheintrag fahrtenbucheintrag(const fahrtspeicherung::Auftrag& fahrt, Kettenanhang& kette);

// Resolves the trip's names (a new name becomes a new row), stores the trip, marks its raw trip
// completed and stores the standard trip: all or nothing. Returns false when an equal standard
// trip was already stored (the trip is stored all the same). Another user may have stored a trip
// of the same vehicle, or this raw trip, since the window read the logbook: that is checked inside
// the transaction, with the vehicle locked, and refused with Fahrtkonflikt, nothing stored.
bool fahrtSpeichern(const fahrtspeicherung::Auftrag& fahrt);

} // namespace EingabeStore
