#pragma once

#include <optional>
#include <vector>

// A standard trip: places, distance, purpose, category and kind of trip, all by ID.
struct Stammfahrt {
    int von = 0;
    int nach = 0;
    int km = 0;
    int zweck = 0;
    int kategorie = 0;
    int art = 0;

    bool operator==(const Stammfahrt&) const = default;
};

// The standard trips, as trip entry offers them and trip entry and evaluation store them.
namespace StammfahrtStore {

// Standard trips starting at the place (every one without a place), ordered by start place name.
std::vector<Stammfahrt> abOrt(std::optional<int> von);
// Whether a standard trip equal in all six values is stored.
bool vorhanden(const Stammfahrt& stammfahrt);
// The first stored standard trip with these four IDs.
std::optional<Stammfahrt> suchen(int von, int nach, int zweck, int art);
// Stores the standard trip unless an equal one is stored; returns whether it was new.
bool anlegen(const Stammfahrt& stammfahrt);

} // namespace StammfahrtStore
