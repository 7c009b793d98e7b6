#pragma once

#include "logbuch/NeuesFahrzeug.h"

#include <optional>

// Creating a vehicle, for the vehicle window and the card reading alike.
namespace fahrzeuganlage {

// Stores the vehicle with its logbook start record and the protocol entry, all or nothing, unless a
// vehicle (open or closed) has its plate text already. The check runs in the same transaction as
// the insert, holding the vehicles, so two users creating one plate at once get one vehicle. The
// new vehicle's ID; none when the plate is taken.
std::optional<int> anlegen(const NeuesFahrzeug& fahrzeug);

} // namespace fahrzeuganlage
