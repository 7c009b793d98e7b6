#include "card/datafile/CardFile.h"

#include "card/datafile/CardFileError.h"
#include "card/datafile/FileHandle.h"
#include "card/datafile/HugePages.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace cardfile {

namespace {

// Large enough that a full 64 MiB card takes a few hundred system calls, small enough to stay in
// the processor's cache while the blocks are decoded.
constexpr std::size_t ChunkSize = 512 * BlockSize;

// A card holds at most 64 MiB; reserving more for a damaged or foreign file would only waste memory.
constexpr std::size_t MaxReservedRecords = (std::size_t{64} << 20) / BlockSize;

std::size_t expectedRecords(std::uint64_t fileSize)
{
    if (fileSize <= RecordAreaOffset)
        return 0;
    return static_cast<std::size_t>(
        std::min<std::uint64_t>((fileSize - RecordAreaOffset) / BlockSize, MaxReservedRecords));
}

// A small card needs no large buffer; one block more than the file holds lets a single read reach
// the end of the file.
std::size_t readChunkSize(std::size_t expectedRecords)
{
    return std::min(ChunkSize, (expectedRecords + 1) * BlockSize);
}

// Whether the blocks from offset 3072 up to `end` are all there and have the digest a reading gave.
bool holdsBlocks(const FileHandle& file, std::uint64_t end, std::uint64_t digest)
{
    const auto chunkSize = static_cast<std::size_t>(std::min<std::uint64_t>(ChunkSize, end - RecordAreaOffset));
    const auto chunk = std::make_unique_for_overwrite<std::uint8_t[]>(chunkSize);
    BlockDigest found;
    for (std::uint64_t offset = RecordAreaOffset; offset < end; offset += chunkSize) {
        const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(chunkSize, end - offset));
        if (file.readAt(offset, std::span(chunk.get(), length)) < length)
            return false;
        for (std::size_t block = 0; block < length; block += BlockSize)
            found.add(std::span<const std::uint8_t, BlockSize>(chunk.get() + block, BlockSize));
    }
    return found.value() == digest;
}

// The records up to the block that ends them, counted without decoding them.
std::size_t countRecords(const FileHandle& file, std::size_t chunkSize)
{
    const auto chunk = std::make_unique_for_overwrite<std::uint8_t[]>(chunkSize);
    std::size_t records = 0;
    for (std::uint64_t offset = RecordAreaOffset;; offset += chunkSize) {
        const std::size_t count = file.readAt(offset, std::span(chunk.get(), chunkSize));
        for (std::size_t block = 0; block + BlockSize <= count; block += BlockSize, ++records)
            if (!startsRecord(chunk[block]))
                return records;
        if (count < chunkSize)
            return records;
    }
}

// Opens the file and decodes its record area chunk by chunk until the block that ends the records
// or the end of the file. `expect` is given the open file and the most records it can hold first.
template <typename Reading, typename Expect>
void readRecordArea(const std::filesystem::path& path, Reading& reading, Expect expect)
{
    FileHandle file(path, FileHandle::Access::Read);
    const std::size_t expected = expectedRecords(file.size());
    expect(file, expected);
    const std::size_t chunkSize = readChunkSize(expected);
    const auto chunk = std::make_unique_for_overwrite<std::uint8_t[]>(chunkSize);
    RecordTexts texts;
    for (std::uint64_t offset = RecordAreaOffset;; offset += chunkSize) {
        const std::size_t count = file.readAt(offset, std::span(chunk.get(), chunkSize));
        if (!decodeBlocks(std::span(chunk.get(), count), reading, texts) || count < chunkSize)
            break;
    }
}

} // namespace

FileIdentity checkIdentity(const std::filesystem::path& path)
{
    try {
        FileHandle file(path, FileHandle::Access::Read);
        std::array<std::uint8_t, IdentityText.size()> start{};
        const std::size_t count = file.readAt(0, start);
        return hasIdentity(std::span(start).first(count)) ? FileIdentity::DataFile : FileIdentity::NotDataFile;
    } catch (const CardFileError&) {
        return FileIdentity::Unreadable;
    }
}

CardLists readCardLists(const std::filesystem::path& path)
{
    FileHandle file(path, FileHandle::Access::Read);
    std::array<std::uint8_t, HeaderReadSize> bytes;
    if (file.readAt(0, bytes) < bytes.size())
        throw CardFileError(fileMessage(path, "ist zu kurz, die Listen der Speicherkarte fehlen."));
    return decodeHeader(bytes);
}

void writeCardLists(const std::filesystem::path& path, const CardLists& lists)
{
    const HeaderBytes header = encodeHeader(lists);
    FileHandle file(path, FileHandle::Access::ReadWrite);
    file.writeAt(0, header);
    file.close();
}

RecordReading readRecords(const std::filesystem::path& path)
{
    RecordReading reading;
    readRecordArea(path, reading, [&reading](const FileHandle&, std::size_t expected) {
        reading.records.reserve(expected);
        preferHugePages(reading.records.data(), reading.records.capacity() * sizeof(CardRecord));
    });
    return reading;
}

ReadBlocks streamRecords(const std::filesystem::path& path, RecordSink& sink)
{
    StreamedReading reading(sink);
    // Counted first, so a progress display knows the whole; the blocks are in the system's cache
    // for the reading that follows.
    readRecordArea(path, reading, [&sink](const FileHandle& file, std::size_t expected) {
        sink.expect(countRecords(file, readChunkSize(expected)));
    });
    return reading.consumed();
}

EraseResult eraseRecords(const std::filesystem::path& path, const ReadBlocks& read)
{
    static const std::vector<std::uint8_t> freeBlocks(ChunkSize, FreeByte);
    FileHandle file(path, FileHandle::Access::ReadWrite);
    const std::uint64_t end = RecordAreaOffset + std::uint64_t{read.count} * BlockSize;
    if (!holdsBlocks(file, end, read.digest))
        return EraseResult::FileChanged;
    for (std::uint64_t offset = RecordAreaOffset; offset < end; offset += ChunkSize) {
        const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(ChunkSize, end - offset));
        file.writeAt(offset, std::span(freeBlocks).first(length));
    }
    file.close();
    return EraseResult::Erased;
}

} // namespace cardfile
