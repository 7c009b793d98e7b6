#pragma once

#include "card/datafile/BlockDigest.h"
#include "card/datafile/CardRecord.h"
#include "card/datafile/RecordSink.h"

#include <cstdint>
#include <span>
#include <vector>

namespace cardfile {

// The record blocks a reading took from the file: how many, and the digest of their bytes.
struct ReadBlocks {
    std::size_t count = 0;
    std::uint64_t digest = BlockDigest().value();

    bool operator==(const ReadBlocks&) const = default;
};

struct RecordReading {
    std::vector<CardRecord> records;
    BlockDigest digest;

    // Every block read up to the end marker is a record, so this is what an erase must overwrite.
    std::size_t blocksConsumed() const { return records.size(); }
    ReadBlocks consumed() const { return {records.size(), digest.value()}; }
};

// A reading that keeps no records: each goes to the sink as soon as it is decoded.
struct StreamedReading {
    explicit StreamedReading(RecordSink& sink) : sink(sink) {}

    RecordSink& sink;
    // Refilled for every record, so its texts keep their storage from one record to the next.
    CardRecord record;
    std::size_t count = 0;
    BlockDigest digest;

    ReadBlocks consumed() const { return {count, digest.value()}; }
};

// Decodes the whole blocks of `blocks` in order and appends their records and their bytes to the
// digest; bytes after the last whole block are ignored. Returns false once it meets the block that
// ends the records. `texts` is the same for all blocks of one reading.
bool decodeBlocks(std::span<const std::uint8_t> blocks, RecordReading& reading, RecordTexts& texts);
// The same, handing each record to the reading's sink.
bool decodeBlocks(std::span<const std::uint8_t> blocks, StreamedReading& reading, RecordTexts& texts);

// The records of a record area held in memory: the file's bytes from offset 3072 to its end.
RecordReading decodeRecordArea(std::span<const std::uint8_t> area);

} // namespace cardfile
