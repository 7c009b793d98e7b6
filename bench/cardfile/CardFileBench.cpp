// Reading, erasing and header writing on the largest card the program accepts (64 MiB of record
// blocks), each next to the bare system calls that move the same bytes: those are the floor.
#include "Messung.h"
#include "SyntheticCard.h"

#include "card/datafile/CardFile.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <vector>

using namespace cardfile;

namespace {

constexpr std::size_t CardBlocks = 131072;
// The reader's own read size.
constexpr std::size_t ChunkSize = 512 * BlockSize;

class BenchFiles {
public:
    BenchFiles() : dir_(std::filesystem::temp_directory_path() / ("varno-bench-" + std::to_string(getpid())))
    {
        std::filesystem::create_directories(dir_);
        SyntheticCardOptions options;
        options.records = CardBlocks;
        options.waypoints = CardBlocks / 20;
        options.continuations = CardBlocks / 10;
        options.vehicles = 5;
        card_ = makeSyntheticCard(options);
        writeCardFile(card(), card_);
        writeCardFile(scratch(), card_);
    }
    ~BenchFiles() { std::filesystem::remove_all(dir_); }

    // Full of records; only ever read.
    std::filesystem::path card() const { return dir_ / "daten.txt"; }
    // Written to by the write benchmarks.
    std::filesystem::path scratch() const { return dir_ / "schreiben.txt"; }
    // The records again on the scratch card, after an erase.
    void refillScratch() const { writeCardFile(scratch(), card_); }
    const CardLists& lists() const { return card_.lists; }

private:
    std::filesystem::path dir_;
    SyntheticCard card_;
};

BenchFiles& files()
{
    static BenchFiles instance;
    return instance;
}

int openOrDie(const std::filesystem::path& path, int flags)
{
    const int descriptor = ::open(path.c_str(), flags);
    if (descriptor < 0)
        std::abort();
    return descriptor;
}

void writeAll(int descriptor, const std::uint8_t* bytes, std::size_t size, off_t offset)
{
    while (size > 0) {
        const ssize_t count = ::pwrite(descriptor, bytes, size, offset);
        if (count <= 0)
            std::abort();
        bytes += count, size -= static_cast<std::size_t>(count), offset += count;
    }
}

void RawRead(benchmark::State& state)
{
    const auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(ChunkSize);
    std::size_t total = 0;
    Messung messung(QStringLiteral("lesen"));
    for (auto _ : state) {
        messung.messen([&] {
            const int descriptor = openOrDie(files().card(), O_RDONLY);
            off_t offset = RecordAreaOffset;
            for (ssize_t count; (count = ::pread(descriptor, buffer.get(), ChunkSize, offset)) > 0;)
                offset += count, total += static_cast<std::size_t>(count);
            ::close(descriptor);
        });
        benchmark::DoNotOptimize(buffer.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(total));
}

void ReadRecords(benchmark::State& state)
{
    Messung messung(QStringLiteral("parsen"));
    for (auto _ : state) {
        RecordReading reading;
        messung.messen([&] { reading = readRecords(files().card()); });
        if (reading.blocksConsumed() != CardBlocks)
            state.SkipWithError("the card does not hold all its records");
        benchmark::DoNotOptimize(reading.records.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * CardBlocks * BlockSize));
}

void RawHeaderWrite(benchmark::State& state)
{
    const HeaderBytes header = encodeHeader(files().lists());
    for (auto _ : state) {
        const int descriptor = openOrDie(files().scratch(), O_RDWR);
        writeAll(descriptor, header.data(), header.size(), 0);
        ::close(descriptor);
    }
}

void WriteCardLists(benchmark::State& state)
{
    for (auto _ : state)
        writeCardLists(files().scratch(), files().lists());
}

void RawEraseWrite(benchmark::State& state)
{
    const std::vector<std::uint8_t> freeBlocks(CardBlocks * BlockSize, FreeByte);
    for (auto _ : state) {
        const int descriptor = openOrDie(files().scratch(), O_RDWR);
        writeAll(descriptor, freeBlocks.data(), freeBlocks.size(), RecordAreaOffset);
        ::close(descriptor);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * freeBlocks.size()));
}

// Reads the blocks back and compares them before it writes, so it moves twice the bytes of the bare write.
void EraseRecords(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        files().refillScratch();
        const ReadBlocks read = readRecords(files().scratch()).consumed();
        state.ResumeTiming();
        if (eraseRecords(files().scratch(), read) != EraseResult::Erased)
            state.SkipWithError("the card was not erased");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * CardBlocks * BlockSize));
}

} // namespace

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(RawHeaderWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(WriteCardLists)->Unit(benchmark::kMicrosecond);
BENCHMARK(RawEraseWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(EraseRecords)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // Writing the card files is no part of any measurement.
    files();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    verhaeltnisZeigen(QStringLiteral("Karte parsen gegen Lesen ihrer Bytes"), QStringLiteral("parsen"),
                      QStringLiteral("lesen"), 3);
    return 0;
}
