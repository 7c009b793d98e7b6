#include "card/datafile/CardRecord.h"

#include "card/datafile/Windows1252.h"

#include <algorithm>

namespace cardfile {

namespace {

using Data = std::span<const std::uint8_t, RecordDataSize>;

std::uint32_t readBigEndian(Data data, std::size_t offset)
{
    return std::uint32_t{data[offset]} << 24 | std::uint32_t{data[offset + 1]} << 16 |
           std::uint32_t{data[offset + 2]} << 8 | std::uint32_t{data[offset + 3]};
}

void writeBigEndian(std::uint32_t value, BlockBytes& block, std::size_t offset)
{
    block[offset] = static_cast<std::uint8_t>(value >> 24);
    block[offset + 1] = static_cast<std::uint8_t>(value >> 16);
    block[offset + 2] = static_cast<std::uint8_t>(value >> 8);
    block[offset + 3] = static_cast<std::uint8_t>(value);
}

bool isPadding(std::uint8_t byte) { return byte == 0x00 || byte == 0xFF; }

TextField textField(Data data, std::size_t offset) { return data.subspan(offset).first<RecordTextSize>(); }

void decodeKind(std::uint8_t byte, std::string& kind)
{
    kind.clear();
    if (byte < 0x80 && byte != 0x00)
        kind.push_back(static_cast<char>(byte));
    else if (!isPadding(byte))
        appendWindows1252AsUtf8(std::span(&byte, 1), kind);
}

void encodeText(const std::string& text, BlockBytes& block, std::size_t offset)
{
    const std::vector<std::uint8_t> bytes = utf8ToWindows1252(text);
    std::copy_n(bytes.begin(), std::min(bytes.size(), RecordTextSize), block.begin() + offset);
}

std::uint8_t encodeKind(const std::string& kind)
{
    if (kind.empty())
        return FreeByte;
    return utf8ToWindows1252(kind).front();
}

} // namespace

CardRecord decodeRecord(Data data)
{
    CardRecord record;
    RecordTexts texts;
    decodeRecordInto(data, record, texts);
    return record;
}

void decodeRecordInto(Data data, CardRecord& record, RecordTexts& texts)
{
    assignRecorderTime(readBigEndian(data, StartTimeOffset), record.startTime);
    record.startKm = static_cast<std::int32_t>(readBigEndian(data, StartKmOffset));
    assignRecorderTime(readBigEndian(data, EndTimeOffset), record.endTime);
    record.endKm = static_cast<std::int32_t>(readBigEndian(data, EndKmOffset));
    record.vehicleNumber = static_cast<std::int32_t>(readBigEndian(data, VehicleOffset));
    record.status = data[StatusOffset];
    decodeKind(data[KindOffset], record.kind);
    texts.place.decode(textField(data, PlaceOffset), record.place);
    texts.reason.decode(textField(data, ReasonOffset), record.reason);
    texts.category.decode(textField(data, CategoryOffset), record.category);
}

BlockBytes encodeRecord(const CardRecord& record)
{
    BlockBytes block;
    block.fill(FreeByte);
    writeBigEndian(secondsSince1980(record.startTime), block, StartTimeOffset);
    writeBigEndian(static_cast<std::uint32_t>(record.startKm), block, StartKmOffset);
    writeBigEndian(secondsSince1980(record.endTime), block, EndTimeOffset);
    writeBigEndian(static_cast<std::uint32_t>(record.endKm), block, EndKmOffset);
    writeBigEndian(static_cast<std::uint32_t>(record.vehicleNumber), block, VehicleOffset);
    block[StatusOffset] = record.status;
    block[KindOffset] = encodeKind(record.kind);
    encodeText(record.place, block, PlaceOffset);
    encodeText(record.reason, block, ReasonOffset);
    encodeText(record.category, block, CategoryOffset);
    return block;
}

} // namespace cardfile
