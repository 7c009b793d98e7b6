#pragma once

#include "platform/RemovableDrive.h"

#include <functional>
#include <optional>
#include <vector>

// The search for a medium to reset: the removable drives in order, each suitable one offered to
// the user until one is chosen. The outcome is that of the last drive looked at, so a user who
// declined every offer hears about the drive that came after them.
namespace kartensuche {

enum class Ausgang {
    // No removable drive at all.
    Keine,
    // The last drive looked at had no readable medium or one of the wrong size.
    Ungeeignet,
    // The last drive looked at was offered (chosen or declined).
    Angeboten
};

struct Ergebnis {
    Ausgang ausgang = Ausgang::Keine;
    // Root of the last drive looked at.
    QString letztesLaufwerk;
    std::optional<RemovableDrive> gewaehlt;
};

// `anbieten` asks the user; true chooses the drive. Once a drive is chosen the search ends there,
// so the reset it leads to is what the user is told about, not a drive behind it.
Ergebnis suchen(const std::vector<RemovableDrive>& laufwerke,
                const std::function<bool(const RemovableDrive&)>& anbieten);

} // namespace kartensuche
