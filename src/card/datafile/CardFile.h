#pragma once

#include "card/datafile/CardHeader.h"
#include "card/datafile/RecordArea.h"

#include <cstddef>
#include <filesystem>

// The data file on the card as the program touches it. Each call opens the file shared, does its
// part and closes it again; a failure throws CardFileError with a German message naming the file.
namespace cardfile {

enum class FileIdentity {
    DataFile,
    // Readable, but its first 11 bytes are not "FahrtenBuch".
    NotDataFile,
    // Cannot be opened or read.
    Unreadable
};

// Reads bytes 0 to 10 only.
FileIdentity checkIdentity(const std::filesystem::path& path);

// Reads bytes 0 to 3039; a shorter file is an error.
CardLists readCardLists(const std::filesystem::path& path);

// Writes the whole 3072-byte header at offset 0; the records behind it stay as they are.
void writeCardLists(const std::filesystem::path& path, const CardLists& lists);

// Reads blocks from offset 3072 until the block that ends the records or the end of the file; an
// incomplete last block is not a record.
RecordReading readRecords(const std::filesystem::path& path);

// Reads the same records, but hands each to `sink` as it is decoded instead of keeping them all.
// The records are counted before the first is handed over, which reads the blocks twice (the
// second time from the system's cache).
ReadBlocks streamRecords(const std::filesystem::path& path, RecordSink& sink);

enum class EraseResult {
    Erased,
    // The file no longer holds the blocks read (another card, or records changed): nothing written.
    FileChanged
};

// Overwrites the blocks a reading took, from offset 3072, with 0xFF and nothing else, but only when
// the file still holds exactly those blocks: they are read back and compared under the same open
// file that is then written.
EraseResult eraseRecords(const std::filesystem::path& path, const ReadBlocks& read);

} // namespace cardfile
