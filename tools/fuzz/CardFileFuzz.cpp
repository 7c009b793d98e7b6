// libFuzzer target for the card data file: the input is a whole file. It goes through the header and
// record decoders in memory and through the file functions on a real descriptor, checks that both
// agree, and that whatever was decoded survives being written and read again.
#include "card/datafile/CardFile.h"
#include "card/datafile/CardFileError.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace cardfile;

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

void checkHeader(std::span<const std::uint8_t> file)
{
    if (file.size() < HeaderReadSize)
        return;
    const CardLists lists = decodeHeader(file.first<HeaderReadSize>());
    const HeaderBytes written = encodeHeader(lists);
    require(hasIdentity(written), "written header has the identity text");
    require(decodeHeader(std::span(written).first<HeaderReadSize>()) == lists, "header round trip");
}

RecordReading checkRecords(std::span<const std::uint8_t> file)
{
    const auto area = file.size() > RecordAreaOffset ? file.subspan(RecordAreaOffset) : std::span<const std::uint8_t>{};
    RecordReading reading = decodeRecordArea(area);
    require(reading.blocksConsumed() * BlockSize <= area.size(), "no block beyond the end");
    for (const CardRecord& record : reading.records) {
        const BlockBytes block = encodeRecord(record);
        require(startsRecord(block[0]), "a decoded record encodes as a record");
        require(decodeRecord(std::span(block).first<RecordDataSize>()) == record, "record round trip");
    }
    return reading;
}

// The same input as a real file, read through the functions the program uses.
void checkFileFunctions(std::span<const std::uint8_t> file, const RecordReading& inMemory)
{
    // One in-memory file for the whole run; creating one per input would dominate the run time.
    static const int descriptor = memfd_create("card", MFD_CLOEXEC);
    static const std::string path = "/proc/self/fd/" + std::to_string(descriptor);
    require(descriptor >= 0, "memfd");
    require(ftruncate(descriptor, 0) == 0, "memfd truncate");
    require(pwrite(descriptor, file.data(), file.size(), 0) == static_cast<ssize_t>(file.size()), "memfd write");

    const FileIdentity identity = checkIdentity(path);
    require(identity == (hasIdentity(file) ? FileIdentity::DataFile : FileIdentity::NotDataFile), "identity");
    const RecordReading fromFile = readRecords(path);
    require(fromFile.records == inMemory.records, "file reader agrees with memory reader");
    require(fromFile.consumed() == inMemory.consumed(), "file reader takes the same blocks");
    try {
        const CardLists lists = readCardLists(path);
        require(file.size() >= HeaderReadSize, "short file gives no lists");
        require(lists == decodeHeader(file.first<HeaderReadSize>()), "file lists agree");
    } catch (const CardFileError&) {
        require(file.size() < HeaderReadSize, "only a short file fails");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> file(data, size);
    checkHeader(file);
    const RecordReading reading = checkRecords(file);
    checkFileFunctions(file, reading);
    return 0;
}
