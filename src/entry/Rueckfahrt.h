#pragma once

#include "entry/EingabeStore.h"

#include <QDate>

#include <optional>
#include <vector>

// "Rückfahrt": the way back on the last trip, over the same distance, with its purpose, category,
// driver and kind, dated on the day it arrived.
struct Rueckfahrt {
    int km = 0;
    int kmStand = 0;
    std::optional<int> kategorie;
    std::optional<int> fahrer;
    int art = 0; // index of the kind of trip
    QDate datum;
};

// From the last trip and the one before it (newest first); none without a trip to go back on and
// the reading before it. A trip that arrived on 01.01.2002 00:00 carries no date: today is taken.
std::optional<Rueckfahrt> rueckfahrt(const std::vector<Logbuchzeile>& letzteFahrten, const QDate& heute);
