#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// The file a card reset copies onto the card as "daten.txt": a header with all 90 entries empty and
// one free block, so the program reads it as a data file without records and the recorder appends
// its first record at offset 3072.
namespace cardfile {

inline constexpr const char* ResetTemplateName = "varno-cf.dat";

std::vector<std::uint8_t> resetTemplateBytes();

// Creates or replaces the file at `path`.
void writeResetTemplate(const std::filesystem::path& path);

} // namespace cardfile
