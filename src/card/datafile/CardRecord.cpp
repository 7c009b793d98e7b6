#include "card/datafile/CardRecord.h"

#include "card/datafile/Windows1252.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
// Spaces and control characters are trimmed.
bool isBlank(std::uint8_t byte) { return byte <= 0x20; }

// Bit i of `padding` is set when byte i of a 32-byte text field is 0x00 or 0xFF, bit i of `high`
// when it is 0x80 or above. Computed sixteen bytes at a time: reading a full card decodes three
// texts per record, and this keeps that close to the cost of reading the file.
struct FieldMasks {
    std::uint32_t padding = 0;
    std::uint32_t high = 0;
};

FieldMasks fieldMasks(const std::uint8_t* field)
{
    FieldMasks masks;
#if defined(__SSE2__)
    for (int half = 0; half < 2; ++half) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(field + 16 * half));
        const __m128i padding = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_setzero_si128()),
                                             _mm_cmpeq_epi8(bytes, _mm_set1_epi8(-1)));
        masks.padding |= static_cast<std::uint32_t>(_mm_movemask_epi8(padding)) << (16 * half);
        masks.high |= static_cast<std::uint32_t>(_mm_movemask_epi8(bytes)) << (16 * half);
    }
#else
    for (std::size_t i = 0; i < RecordTextSize; ++i) {
        masks.padding |= std::uint32_t{isPadding(field[i])} << i;
        masks.high |= std::uint32_t{field[i] >= 0x80} << i;
    }
#endif
    return masks;
}

void assignTrimmed(const std::uint8_t* first, const std::uint8_t* last, bool ascii, std::string& text)
{
    while (first != last && isBlank(*first))
        ++first;
    while (last != first && isBlank(*(last - 1)))
        --last;
    if (ascii)
        text.assign(reinterpret_cast<const char*>(first), static_cast<std::size_t>(last - first));
    else
        appendWindows1252AsUtf8(std::span<const std::uint8_t>(first, last), text);
}

void decodeText(Data data, std::size_t offset, std::string& text)
{
    const std::uint8_t* field = data.data() + offset;
    const FieldMasks masks = fieldMasks(field);
    const std::uint32_t kept = ~masks.padding;
    text.clear();
    if (kept == 0)
        return;
    const int first = std::countr_zero(kept);
    const std::uint32_t run = kept >> first;
    const bool ascii = (masks.high & kept) == 0;
    if ((run & (run + 1)) == 0) {
        // The usual case: the text, then padding only.
        assignTrimmed(field + first, field + first + std::bit_width(run), ascii, text);
        return;
    }
    std::array<std::uint8_t, RecordTextSize> bytes;
    const auto keptEnd = std::remove_copy_if(field, field + RecordTextSize, bytes.begin(), isPadding);
    assignTrimmed(bytes.data(), bytes.data() + (keptEnd - bytes.begin()), ascii, text);
}

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
    decodeRecordInto(data, record);
    return record;
}

void decodeRecordInto(Data data, CardRecord& record)
{
    assignRecorderTime(readBigEndian(data, StartTimeOffset), record.startTime);
    record.startKm = static_cast<std::int32_t>(readBigEndian(data, StartKmOffset));
    assignRecorderTime(readBigEndian(data, EndTimeOffset), record.endTime);
    record.endKm = static_cast<std::int32_t>(readBigEndian(data, EndKmOffset));
    record.vehicleNumber = static_cast<std::int32_t>(readBigEndian(data, VehicleOffset));
    record.status = data[StatusOffset];
    decodeKind(data[KindOffset], record.kind);
    decodeText(data, PlaceOffset, record.place);
    decodeText(data, ReasonOffset, record.reason);
    decodeText(data, CategoryOffset, record.category);
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
