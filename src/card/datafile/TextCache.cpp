#include "card/datafile/TextCache.h"

#include <bit>
#include <cstring>

namespace cardfile {

namespace {

using Words = std::array<std::uint64_t, RecordTextSize / 8>;

bool same(const Words& a, const Words& b)
{
    return ((a[0] ^ b[0]) | (a[1] ^ b[1]) | (a[2] ^ b[2]) | (a[3] ^ b[3])) == 0;
}

} // namespace

void TextCache::decode(TextField field, std::string& text)
{
    Words words;
    std::memcpy(words.data(), field.data(), RecordTextSize);
    // Texts differ mostly in their first bytes; the multiplications carry those into the top bits
    // that choose the slot.
    const std::uint64_t hash = (words[0] ^ std::rotl(words[1], 17) ^ std::rotl(words[2], 31) ^ words[3]) *
                               0x9E3779B97F4A7C15ULL;
    const auto index = static_cast<std::size_t>(hash >> (64 - std::bit_width(SlotCount - 1)));
    Slot& slot = slots_[index];
    if ((filled_ >> index & 1) != 0 && same(slot.field, words)) {
        text = slot.text;
        return;
    }
    decodeCardText(field, text);
    slot.field = words;
    slot.text = text;
    filled_ |= std::uint32_t{1} << index;
}

} // namespace cardfile
