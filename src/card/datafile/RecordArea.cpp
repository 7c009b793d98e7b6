#include "card/datafile/RecordArea.h"

namespace cardfile {

bool decodeBlocks(std::span<const std::uint8_t> blocks, RecordReading& reading)
{
    for (std::size_t offset = 0; offset + BlockSize <= blocks.size(); offset += BlockSize) {
        if (!startsRecord(blocks[offset]))
            return false;
        reading.digest.add(std::span<const std::uint8_t, BlockSize>(blocks.data() + offset, BlockSize));
        decodeRecordInto(std::span<const std::uint8_t, RecordDataSize>(blocks.data() + offset, RecordDataSize),
                         reading.records.emplace_back());
    }
    return true;
}

RecordReading decodeRecordArea(std::span<const std::uint8_t> area)
{
    RecordReading reading;
    reading.records.reserve(area.size() / BlockSize);
    decodeBlocks(area, reading);
    return reading;
}

} // namespace cardfile
