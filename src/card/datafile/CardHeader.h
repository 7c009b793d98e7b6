#pragma once

#include "card/datafile/CardFileLayout.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

// The header carries the three selection lists the recorder offers its driver. Each entry is one
// 32-byte slot: the Windows-1252 text, a space, then 0xFF up to the end of the slot.
namespace cardfile {

using CardList = std::array<std::string, ListEntryCount>;

// Texts in UTF-8; entry 1 of a list is element 0, an unused entry is empty.
struct CardLists {
    CardList places;
    CardList reasons;
    CardList categories;

    bool operator==(const CardLists&) const = default;
};

using HeaderBytes = std::array<std::uint8_t, HeaderSize>;

// True when the bytes start with the identity text "FahrtenBuch".
bool hasIdentity(std::span<const std::uint8_t> fileStart);

// The whole 3072-byte header. An entry longer than 30 characters is shortened to 30, the most a
// slot can give back; a character Windows-1252 cannot hold is written as "?".
HeaderBytes encodeHeader(const CardLists& lists);

// The lists from the first 3040 bytes of a file. A slot without the space-0xFF terminator is an
// empty entry, never an error.
CardLists decodeHeader(std::span<const std::uint8_t, HeaderReadSize> bytes);

} // namespace cardfile
