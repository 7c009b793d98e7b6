#include "card/datafile/Windows1252.h"

#include <algorithm>
#include <array>

namespace cardfile {

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t codePointOf(std::uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return HighControlRange[byte - 0x80];
    return byte;
}

// UTF-8 form of every byte, built once, so decoding is a table lookup per character.
struct Utf8Form {
    std::array<char, 3> bytes{};
    std::uint8_t length = 0;
};

constexpr Utf8Form utf8FormOf(char32_t codePoint)
{
    Utf8Form form;
    if (codePoint < 0x80) {
        form.bytes[0] = static_cast<char>(codePoint);
        form.length = 1;
    } else if (codePoint < 0x800) {
        form.bytes[0] = static_cast<char>(0xC0 | (codePoint >> 6));
        form.bytes[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
        form.length = 2;
    } else {
        form.bytes[0] = static_cast<char>(0xE0 | (codePoint >> 12));
        form.bytes[1] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        form.bytes[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
        form.length = 3;
    }
    return form;
}

constexpr std::array<Utf8Form, 256> makeUtf8Table()
{
    std::array<Utf8Form, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = utf8FormOf(codePointOf(static_cast<std::uint8_t>(byte)));
    return table;
}

constexpr std::array<Utf8Form, 256> Utf8Table = makeUtf8Table();

constexpr std::uint8_t Replacement = '?';

std::uint8_t byteForCodePoint(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<std::uint8_t>(codePoint);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == codePoint)
            return static_cast<std::uint8_t>(0x80 + i);
    }
    return Replacement;
}

bool isContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes one UTF-8 sequence at text[pos]; returns the code point and advances pos. Malformed
// input yields U+FFFD and advances by one byte so decoding resynchronises.
char32_t nextCodePoint(std::string_view text, std::size_t& pos)
{
    constexpr char32_t Invalid = 0xFFFD;
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, codePoint = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, codePoint = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, codePoint = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return Invalid;
    }
    if (pos + length > text.size()) {
        ++pos;
        return Invalid;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!isContinuationByte(byte)) {
            ++pos;
            return Invalid;
        }
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        ++pos;
        return Invalid;
    }
    pos += length;
    return codePoint;
}

} // namespace

void appendWindows1252AsUtf8(std::span<const std::uint8_t> bytes, std::string& out)
{
    // Converted in pieces on the stack, so `out` grows once per piece instead of once per character.
    constexpr std::size_t Piece = 64;
    std::array<char, Piece * 3> utf8;
    for (std::size_t start = 0; start < bytes.size(); start += Piece) {
        std::size_t length = 0;
        for (const std::uint8_t byte : bytes.subspan(start, std::min(Piece, bytes.size() - start))) {
            const Utf8Form& form = Utf8Table[byte];
            std::copy_n(form.bytes.data(), 3, utf8.data() + length);
            length += form.length;
        }
        out.append(utf8.data(), length);
    }
}

std::string windows1252ToUtf8(std::span<const std::uint8_t> bytes)
{
    std::string text;
    text.reserve(bytes.size());
    appendWindows1252AsUtf8(bytes, text);
    return text;
}

std::vector<std::uint8_t> utf8ToWindows1252(std::string_view text)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size())
        bytes.push_back(byteForCodePoint(nextCodePoint(text, pos)));
    return bytes;
}

} // namespace cardfile
