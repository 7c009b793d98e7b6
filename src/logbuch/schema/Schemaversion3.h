#pragma once

#include <QString>

// Schema version 3: a card's trip is stored once, however many users take the card over at once.
namespace schemaversion3 {

// The unique key on card, recorder start time and vehicle key of the raw trips.
extern const QString kartenschluessel;

// Adds the key; a logbook that already holds a trip twice is refused with the trip named. Runs
// inside the migration's transaction.
void anlegen();

} // namespace schemaversion3
