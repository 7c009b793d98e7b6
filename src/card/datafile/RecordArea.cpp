#include "card/datafile/RecordArea.h"

namespace cardfile {

namespace {

using RecordData = std::span<const std::uint8_t, RecordDataSize>;

// Calls `decode` with the data part of each whole block up to the one that ends the records.
template <typename Decode> bool decodeEach(std::span<const std::uint8_t> blocks, BlockDigest& digest, Decode decode)
{
    for (std::size_t offset = 0; offset + BlockSize <= blocks.size(); offset += BlockSize) {
        if (!startsRecord(blocks[offset]))
            return false;
        digest.add(std::span<const std::uint8_t, BlockSize>(blocks.data() + offset, BlockSize));
        decode(RecordData(blocks.data() + offset, RecordDataSize));
    }
    return true;
}

} // namespace

bool decodeBlocks(std::span<const std::uint8_t> blocks, RecordReading& reading, RecordTexts& texts)
{
    return decodeEach(blocks, reading.digest, [&reading, &texts](RecordData data) {
        decodeRecordInto(data, reading.records.emplace_back(), texts);
    });
}

bool decodeBlocks(std::span<const std::uint8_t> blocks, StreamedReading& reading, RecordTexts& texts)
{
    return decodeEach(blocks, reading.digest, [&reading, &texts](RecordData data) {
        decodeRecordInto(data, reading.record, texts);
        ++reading.count;
        reading.sink.take(reading.record);
    });
}

RecordReading decodeRecordArea(std::span<const std::uint8_t> area)
{
    RecordReading reading;
    reading.records.reserve(area.size() / BlockSize);
    RecordTexts texts;
    decodeBlocks(area, reading, texts);
    return reading;
}

} // namespace cardfile
