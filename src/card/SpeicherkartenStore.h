#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The statements of the card list window and the card administration that the card import does
// not share (path and driver of a card: KartenimportStore).
namespace SpeicherkartenStore {

// One card of the overview: its driver and the values of its most recent import.
struct Karte {
    QString id;
    QString fahrer;
    QString fahrzeug;
    QString letztesZieldatum; // German date and time, empty when no arrival time was recorded
    QString einlesedatum;

    bool operator==(const Karte&) const = default;
};
// Every card with raw trips, each once, ordered by identifier.
std::vector<Karte> uebersicht();

} // namespace SpeicherkartenStore
