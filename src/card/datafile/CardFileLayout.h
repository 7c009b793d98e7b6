#pragma once

#include <cstddef>
#include <string_view>

// Byte layout of the recorder's data file "daten.txt": a 3072-byte header of 32-byte slots, then one
// 512-byte block per record. No length field exists; the records end at the first block that does
// not start like a record.
namespace cardfile {

inline constexpr std::string_view IdentityText = "FahrtenBuch";

inline constexpr std::size_t SlotSize = 32;
inline constexpr std::size_t HeaderSize = 3072;
// The lists end at byte 3039; the last slot is padding nobody reads.
inline constexpr std::size_t HeaderReadSize = 3040;

inline constexpr std::size_t ListEntryCount = 30;
// A slot holds the text, a space and at least one 0xFF.
inline constexpr std::size_t MaxEntryLength = SlotSize - 2;
inline constexpr std::size_t FirstPlaceSlot = 1;
inline constexpr std::size_t FirstReasonSlot = 33;
inline constexpr std::size_t FirstCategorySlot = 65;

inline constexpr std::size_t RecordAreaOffset = HeaderSize;
inline constexpr std::size_t BlockSize = 512;
// Only the start of a block carries data; the rest is never read.
inline constexpr std::size_t RecordDataSize = 128;

inline constexpr std::size_t StartTimeOffset = 0;
inline constexpr std::size_t StartKmOffset = 4;
inline constexpr std::size_t EndTimeOffset = 8;
inline constexpr std::size_t EndKmOffset = 12;
inline constexpr std::size_t VehicleOffset = 16;
inline constexpr std::size_t StatusOffset = 20;
inline constexpr std::size_t KindOffset = 24;
inline constexpr std::size_t PlaceOffset = 32;
inline constexpr std::size_t ReasonOffset = 64;
inline constexpr std::size_t CategoryOffset = 96;
inline constexpr std::size_t RecordTextSize = 32;

// Fill byte of unused slot and block space, and of an erased block.
inline constexpr unsigned char FreeByte = 0xFF;

} // namespace cardfile
