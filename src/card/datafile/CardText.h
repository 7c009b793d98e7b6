#pragma once

#include "card/datafile/CardFileLayout.h"

#include <cstdint>
#include <span>
#include <string>

namespace cardfile {

using TextField = std::span<const std::uint8_t, RecordTextSize>;

// The UTF-8 text of a record's 32-byte text field: every 0x00 and 0xFF byte is dropped wherever it
// stands, the rest trimmed of spaces and control characters and read as Windows-1252.
void decodeCardText(TextField field, std::string& text);

} // namespace cardfile
