#pragma once

#include "card/EinlesungAufbau.h"
#include "card/ImportZeilen.h"
#include "card/Plausibilitaet.h"
#include "card/datafile/RecordArea.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

// Reading a card's data file and taking its trips over. The import window and the command line
// "varno karte einlesen" both go through here, so a card is taken over the same way from either.
namespace kartenuebernahme {

// The records of the data file as the rows of a reading. Throws cardfile::CardFileError when the
// file cannot be read.
Einlesung lesen(const QString& pfad, const FahrzeugBenennung& benennen, const Fortschrittsmeldung& fortschritt = {});

// The plausibility check of a reading of this card; a trip already stored for the card counts red
// as well (erasing it on the card must have failed).
Pruefung pruefen(const QString& cfid, const std::vector<ImportFahrt>& fahrten);

// The trips whose flag is clear, in list order.
std::vector<const ImportFahrt*> gruene(const std::vector<ImportFahrt>& fahrten, const std::vector<bool>& rot);

// Where a reading came from: its data file, the card's identifier and the record blocks it consumed.
struct Herkunft {
    QString pfad;
    QString cfid;
    cardfile::ReadBlocks gelesen;
    // Asked just before erasing: whether the drive still holds the card that was read.
    std::function<bool()> gleicheKarte = [] { return true; };
};

struct Ergebnis {
    // The row of each waypoint in T_Merkpunkte, in order.
    std::vector<qlonglong> merkpunktZeilen;
    // The card was swapped or rewritten since the reading: the trips are stored, nothing was erased.
    bool karteGewechselt = false;
    // Why the card still holds its records, when erasing failed after the trips were stored.
    std::optional<QString> loeschfehler;
};

// Stores the trips as unprocessed raw trips and the waypoints, all or nothing (a failing statement
// throws DatabaseError before anything is kept), and only then erases the read records on the card,
// red trips included, provided the card still holds exactly the blocks that were read.
Ergebnis uebernehmen(const Herkunft& herkunft, const std::vector<const ImportFahrt*>& fahrten,
                     const std::vector<ImportMerkpunkt>& merkpunkte, const Fortschrittsmeldung& fortschritt = {});

// What the user is told when the card changed between reading and taking over.
QString karteGewechseltText();

} // namespace kartenuebernahme
