#pragma once

#include "card/datafile/CardFileLayout.h"

#include <cstdint>
#include <span>

namespace cardfile {

// A digest of whole blocks in file order, so an erase can tell whether the file still holds the
// blocks a reading took. It guards against a card swapped or rewritten in between, not against
// forgery, and is only ever compared within one run of the program, never stored.
class BlockDigest {
public:
    void add(std::span<const std::uint8_t, BlockSize> block);
    std::uint64_t value() const { return value_; }

private:
    // FNV-1a's offset basis: the digest of no blocks.
    std::uint64_t value_ = 14695981039346656037ULL;
};

} // namespace cardfile
