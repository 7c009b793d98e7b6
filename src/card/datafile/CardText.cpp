#include "card/datafile/CardText.h"

#include "card/datafile/Windows1252.h"

#include <algorithm>
#include <array>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace cardfile {

namespace {

bool isPadding(std::uint8_t byte) { return byte == 0x00 || byte == 0xFF; }
// Spaces and control characters are trimmed.
bool isBlank(std::uint8_t byte) { return byte <= 0x20; }

// Bit i is set when byte i of the field is padding (0x00 or 0xFF), 0x80 or above, or blank (0x20 or
// below). Computed sixteen bytes at a time: reading a full card decodes three texts per record, and
// this keeps that close to the cost of reading the file.
struct FieldMasks {
    std::uint32_t padding = 0;
    std::uint32_t high = 0;
    std::uint32_t blank = 0;
};

FieldMasks fieldMasks(const std::uint8_t* field)
{
    FieldMasks masks;
#if defined(__SSE2__)
    for (int half = 0; half < 2; ++half) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(field + 16 * half));
        const __m128i padding = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_setzero_si128()),
                                             _mm_cmpeq_epi8(bytes, _mm_set1_epi8(-1)));
        const __m128i blank = _mm_cmpeq_epi8(_mm_min_epu8(bytes, _mm_set1_epi8(0x20)), bytes);
        const int shift = 16 * half;
        masks.padding |= static_cast<std::uint32_t>(_mm_movemask_epi8(padding)) << shift;
        masks.high |= static_cast<std::uint32_t>(_mm_movemask_epi8(bytes)) << shift;
        masks.blank |= static_cast<std::uint32_t>(_mm_movemask_epi8(blank)) << shift;
    }
#else
    for (std::size_t i = 0; i < RecordTextSize; ++i) {
        masks.padding |= std::uint32_t{isPadding(field[i])} << i;
        masks.high |= std::uint32_t{field[i] >= 0x80} << i;
        masks.blank |= std::uint32_t{isBlank(field[i])} << i;
    }
#endif
    return masks;
}

void assign(const std::uint8_t* first, const std::uint8_t* last, bool ascii, std::string& text)
{
    if (ascii)
        text.assign(reinterpret_cast<const char*>(first), static_cast<std::size_t>(last - first));
    else
        appendWindows1252AsUtf8(std::span<const std::uint8_t>(first, last), text);
}

void assignTrimmed(const std::uint8_t* first, const std::uint8_t* last, bool ascii, std::string& text)
{
    while (first != last && isBlank(*first))
        ++first;
    while (last != first && isBlank(*(last - 1)))
        --last;
    assign(first, last, ascii, text);
}

} // namespace

void decodeCardText(TextField field, std::string& text)
{
    const FieldMasks masks = fieldMasks(field.data());
    const std::uint32_t kept = ~masks.padding;
    text.clear();
    if (kept == 0)
        return;
    const bool ascii = (masks.high & kept) == 0;
    const std::uint32_t run = kept >> std::countr_zero(kept);
    if ((run & (run + 1)) == 0) {
        // The usual case: the text, then padding only. What is neither padding nor blank marks
        // where the trimmed text starts and ends, and all between is kept.
        const std::uint32_t shown = kept & ~masks.blank;
        if (shown != 0)
            assign(field.data() + std::countr_zero(shown), field.data() + std::bit_width(shown), ascii, text);
        return;
    }
    std::array<std::uint8_t, RecordTextSize> bytes;
    const auto keptEnd = std::remove_copy_if(field.begin(), field.end(), bytes.begin(), isPadding);
    assignTrimmed(bytes.data(), bytes.data() + (keptEnd - bytes.begin()), ascii, text);
}

} // namespace cardfile
