#pragma once

#include "card/datafile/CardFileLayout.h"
#include "card/datafile/RecorderTime.h"
#include "card/datafile/TextCache.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// One 512-byte block the recorder writes per trip and per waypoint. Numbers are big-endian; only
// the first 128 bytes carry data.
namespace cardfile {

struct CardRecord {
    std::optional<RecorderTime> startTime;
    std::int32_t startKm = 0;
    std::optional<RecorderTime> endTime;
    std::int32_t endKm = 0;
    std::int32_t vehicleNumber = 0;
    // 0 is "OK".
    std::uint8_t status = 0;
    // The kind letter in UTF-8; empty when the recorder gave none (byte 0x00 or 0xFF).
    std::string kind;
    std::string place;
    std::string reason;
    std::string category;

    bool operator==(const CardRecord&) const = default;

    bool isOk() const { return status == 0; }
    // A record without kind counts as unassigned, "U".
    std::string kindOrUnassigned() const { return kind.empty() ? "U" : kind; }
    bool isWaypoint() const { return kind == "M"; }
    // Continues the previous trip after an intermediate stop.
    bool isContinuation() const { return kind == "F"; }
};

using BlockBytes = std::array<std::uint8_t, BlockSize>;

// A block is a record unless its first byte is 0x00 or 0xFF; the first such block ends the records.
inline bool startsRecord(std::uint8_t firstByte) { return firstByte != 0x00 && firstByte != 0xFF; }

// Decodes the data part of a block. Texts lose every 0x00 and 0xFF byte wherever it stands and are
// then trimmed of spaces and control characters.
CardRecord decodeRecord(std::span<const std::uint8_t, RecordDataSize> data);
// The same into an existing record, so a long reading fills its records where they stand; `texts`
// keeps the texts of the records before, so each distinct text is decoded once.
void decodeRecordInto(std::span<const std::uint8_t, RecordDataSize> data, CardRecord& record, RecordTexts& texts);

// The block the recorder would write for `record`: unused bytes 0xFF, texts padded with 0xFF and
// cut at 32 bytes, the kind's first character as its byte. Throws as secondsSince1980 does.
BlockBytes encodeRecord(const CardRecord& record);

} // namespace cardfile
