#pragma once

#include "audit/Zeitstempel.h"

#include <optional>
#include <vector>

// Time stamps are kept as chained protocol entries ("Zeitstempel"): removing or changing one
// breaks the protocol's chain like any other entry.
namespace ZeitstempelStore {

// Appends the time stamp to the protocol in a transaction of its own.
void speichern(const Zeitstempel& zeitstempel);

struct Eintrag {
    qlonglong id = 0;
    QDateTime erfasst;                      // the entry's time by the computer's clock
    std::optional<Zeitstempel> zeitstempel; // none when the description is not one of a time stamp
};

// Every stored time stamp in the order it was stored, with its service, time, Prüfwert, chain
// counts and token.
std::vector<Eintrag> alle();

} // namespace ZeitstempelStore
