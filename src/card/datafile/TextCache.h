#pragma once

#include "card/datafile/CardText.h"

#include <array>
#include <bit>
#include <cstdint>
#include <string>

namespace cardfile {

// The texts of one text field (place, reason or category) lately decoded, by the field's bytes.
// A card's texts come from the lists in its header, so most fields repeat one a few records
// before: comparing 32 bytes costs far less than dropping padding, trimming and converting them.
class TextCache {
public:
    // `text` as decodeCardText makes it from `field`.
    void decode(TextField field, std::string& text);

private:
    static constexpr std::size_t SlotCount = 32;

    struct Slot {
        std::array<std::uint64_t, RecordTextSize / 8> field;
        std::string text;
    };

    // Bit i tells that slots_[i] holds a text; a slot's field is left unset until then.
    std::uint32_t filled_ = 0;
    static_assert(SlotCount <= 32 && std::has_single_bit(SlotCount));
    std::array<Slot, SlotCount> slots_;
};

// One cache for each text field of a record.
struct RecordTexts {
    TextCache place;
    TextCache reason;
    TextCache category;
};

} // namespace cardfile
