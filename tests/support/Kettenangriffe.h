#pragma once

// What someone with the database shell and the chain's documentation can do to a logbook, where
// nothing inside the file gives it away. Run on the open logbook.
namespace kettenangriff {

// The newest trip goes, and the chain's notes are set back to the trip before: the logbook looks
// as if it never had it (it must be the newest entry of all chains).
void letzteFahrtWegnehmen();

// Every trip's arrival odometer drops by 10 and every value of every chain is computed anew.
void ketteNeuBerechnen();

} // namespace kettenangriff
