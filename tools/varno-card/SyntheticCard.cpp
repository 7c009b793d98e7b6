#include "SyntheticCard.h"

#include "card/datafile/FileHandle.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>

using namespace cardfile;

namespace {

const std::vector<std::string> PlaceNames = {"Lager Nord",   "Werk 2",        "Hafen",    "Büro Mitte",
                                             "Flughafen",    "Kunde Müller",  "Baustelle Süd",
                                             "Bahnhof",      "Messe",         "Zentrale", "Außenlager",
                                             "Tankstelle"};
const std::vector<std::string> ReasonNames = {"Lieferung", "Abholung", "Besprechung", "Wartung",
                                              "Einkauf",   "Schulung", "Kundenbesuch", "Heimfahrt"};
const std::vector<std::string> CategoryNames = {"Dienstfahrt", "Privatfahrt", "Arbeitsweg", "Überführung"};
// Empty is a trip without kind, which the import treats as "U".
const std::vector<std::string> TripKinds = {"", "U", "P", "A", "G"};

constexpr std::uint32_t Minute = 60;

CardList listOf(const std::vector<std::string>& names)
{
    CardList list;
    std::copy(names.begin(), names.end(), list.begin());
    return list;
}

class Generator {
public:
    explicit Generator(const SyntheticCardOptions& options)
        : options_(options), random_(options.seed), odometers_(options.vehicles)
    {
        for (std::int32_t& km : odometers_)
            km = static_cast<std::int32_t>(10000 + below(90000));
    }

    std::vector<CardRecord> records()
    {
        const std::vector<bool> isWaypoint = choose(options_.records, options_.waypoints, 0);
        const std::size_t trips = options_.records - options_.waypoints;
        // The first trip has nothing to continue.
        const std::vector<bool> isContinuation = choose(trips, options_.continuations, 1);

        std::vector<CardRecord> records;
        records.reserve(options_.records);
        std::size_t trip = 0;
        for (std::size_t i = 0; i < options_.records; ++i)
            records.push_back(isWaypoint[i] ? waypoint() : this->trip(isContinuation[trip++]));
        return records;
    }

private:
    std::uint32_t below(std::uint32_t bound) { return static_cast<std::uint32_t>(random_() % bound); }
    std::uint32_t between(std::uint32_t low, std::uint32_t high) { return low + below(high - low + 1); }
    const std::string& pick(const std::vector<std::string>& names) { return names[below(static_cast<std::uint32_t>(names.size()))]; }

    // `count` of `size` positions, at or after `first`, chosen at random.
    std::vector<bool> choose(std::size_t size, std::size_t count, std::size_t first)
    {
        std::vector<std::size_t> positions(size > first ? size - first : 0);
        std::iota(positions.begin(), positions.end(), first);
        std::vector<bool> chosen(size, false);
        for (std::size_t i = 0; i < count; ++i) {
            std::swap(positions[i], positions[i + below(static_cast<std::uint32_t>(positions.size() - i))]);
            chosen[positions[i]] = true;
        }
        return chosen;
    }

    CardRecord trip(bool continuation)
    {
        if (!continuation)
            vehicle_ = below(static_cast<std::uint32_t>(options_.vehicles));
        clock_ += continuation ? between(5 * Minute, 30 * Minute) : between(5 * Minute, 180 * Minute);
        CardRecord record;
        record.vehicleNumber = static_cast<std::int32_t>(vehicle_ + 1);
        record.startTime = recorderTimeFromSeconds(clock_);
        record.startKm = odometers_[vehicle_];
        clock_ += between(5 * Minute, 90 * Minute);
        odometers_[vehicle_] += static_cast<std::int32_t>(between(1, 150));
        record.endTime = recorderTimeFromSeconds(clock_);
        record.endKm = odometers_[vehicle_];
        record.status = below(10) == 0 ? 1 : 0;
        record.kind = continuation ? "F" : pick(TripKinds);
        record.place = pick(PlaceNames);
        record.reason = pick(ReasonNames);
        record.category = pick(CategoryNames);
        return record;
    }

    CardRecord waypoint()
    {
        clock_ += between(1 * Minute, 10 * Minute);
        return {.startTime = recorderTimeFromSeconds(clock_),
                .startKm = odometers_[vehicle_],
                .vehicleNumber = static_cast<std::int32_t>(vehicle_ + 1),
                .kind = "M"};
    }

    const SyntheticCardOptions& options_;
    std::mt19937 random_;
    std::vector<std::int32_t> odometers_;
    std::size_t vehicle_ = 0;
    // Seconds since 1980; the first trip starts in December 2004.
    std::uint32_t clock_ = 788'000'000;
};

void validate(const SyntheticCardOptions& options)
{
    if (options.records > MaxSyntheticRecords)
        throw std::invalid_argument("höchstens " + std::to_string(MaxSyntheticRecords) + " Datensätze");
    if (options.vehicles == 0)
        throw std::invalid_argument("mindestens ein Fahrzeug");
    if (options.waypoints > options.records)
        throw std::invalid_argument("mehr Merkpunkte als Datensätze");
    const std::size_t trips = options.records - options.waypoints;
    if (options.continuations > 0 && options.continuations >= trips)
        throw std::invalid_argument("zu viele Fortsetzungsfahrten: die erste Fahrt setzt keine fort");
}

} // namespace

SyntheticCard makeSyntheticCard(const SyntheticCardOptions& options)
{
    validate(options);
    SyntheticCard card;
    card.lists = {listOf(PlaceNames), listOf(ReasonNames), listOf(CategoryNames)};
    card.records = Generator(options).records();
    return card;
}

void writeCardFile(const std::filesystem::path& path, const SyntheticCard& card)
{
    // A chunk of blocks at a time: a full card's 64 MiB need not sit in memory at once.
    constexpr std::size_t ChunkBlocks = 512;
    FileHandle file(path, FileHandle::Access::CreateOrReplace);
    file.writeAt(0, encodeHeader(card.lists));
    std::vector<std::uint8_t> chunk;
    chunk.reserve(ChunkBlocks * BlockSize);
    std::uint64_t offset = HeaderSize;
    for (std::size_t first = 0; first < card.records.size(); first += ChunkBlocks) {
        chunk.clear();
        const std::size_t end = std::min(first + ChunkBlocks, card.records.size());
        for (std::size_t i = first; i < end; ++i) {
            const BlockBytes block = encodeRecord(card.records[i]);
            chunk.insert(chunk.end(), block.begin(), block.end());
        }
        file.writeAt(offset, chunk);
        offset += chunk.size();
    }
    // The free block that ends the records.
    file.writeAt(offset, std::vector<std::uint8_t>(BlockSize, FreeByte));
    file.close();
}
