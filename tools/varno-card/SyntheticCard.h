#pragma once

#include "card/datafile/CardHeader.h"
#include "card/datafile/CardRecord.h"

#include <cstdint>
#include <filesystem>
#include <vector>

// Plausible card contents made up from a seed, for tests, benchmarks and support: trips in time
// order, each vehicle with its own odometer, continuation trips right after a trip of the same
// vehicle, and waypoints at the odometer reading of the trip before them.
struct SyntheticCardOptions {
    std::size_t records = 20;
    // Of the records, this many are waypoints ("M") ...
    std::size_t waypoints = 0;
    // ... and this many are trips continuing the trip before them ("F").
    std::size_t continuations = 0;
    std::size_t vehicles = 1;
    std::uint32_t seed = 1;
};

// Most records the generator makes; the times would run past what the recorder can store.
inline constexpr std::size_t MaxSyntheticRecords = 262144;

struct SyntheticCard {
    cardfile::CardLists lists;
    std::vector<cardfile::CardRecord> records;
};

// Throws std::invalid_argument with a German message when the options contradict each other.
SyntheticCard makeSyntheticCard(const SyntheticCardOptions& options);

// Header, records and one free block that ends them, as the recorder leaves a card.
void writeCardFile(const std::filesystem::path& path, const SyntheticCard& card);
