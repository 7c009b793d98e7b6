#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The recorder stores text one byte per character in the Windows-1252 code page; the program works
// with UTF-8. The five bytes that code page leaves undefined map to the control characters of the
// same number, as Windows does, so every byte survives a round trip.
namespace cardfile {

// Appends the UTF-8 form of the Windows-1252 bytes to `out`.
void appendWindows1252AsUtf8(std::span<const std::uint8_t> bytes, std::string& out);
std::string windows1252ToUtf8(std::span<const std::uint8_t> bytes);

// One byte per character; a character the code page cannot hold, and every byte of malformed
// UTF-8, becomes "?".
std::vector<std::uint8_t> utf8ToWindows1252(std::string_view text);

} // namespace cardfile
