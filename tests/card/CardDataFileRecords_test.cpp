#include "card/datafile/CardFile.h"
#include "card/datafile/CardFileError.h"
#include "support/CardFileBuilder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <functional>
#include <random>

using namespace cardfile;

namespace {

// The worked trip record of the recorder's documentation, written out byte by byte.
BlockBytes workedExampleBlock()
{
    BlockBytes block;
    block.fill(0xFF);
    const std::uint8_t numbers[] = {0x2F, 0x66, 0xA2, 0x22, 0x00, 0x00, 0xB0, 0x9A, 0x2F, 0x66, 0xAA,
                                    0xBA, 0x00, 0x00, 0xB0, 0xBA, 0x00, 0x00, 0x00, 0x07, 0x00};
    std::copy(std::begin(numbers), std::end(numbers), block.begin());
    const auto putText = [&block](std::size_t offset, std::string_view text) {
        std::copy(text.begin(), text.end(), block.begin() + offset);
    };
    putText(32, "Lager Nord");
    putText(64, "Lieferung");
    putText(96, "Dienstfahrt");
    return block;
}

CardRecord workedExampleRecord()
{
    return {.startTime = at(2005, 3, 14, 8, 15, 30),
            .startKm = 45210,
            .endTime = at(2005, 3, 14, 8, 52, 10),
            .endKm = 45242,
            .vehicleNumber = 7,
            .status = 0,
            .kind = "",
            .place = "Lager Nord",
            .reason = "Lieferung",
            .category = "Dienstfahrt"};
}

CardRecord decodeBlock(const BlockBytes& block) { return decodeRecord(std::span(block).first<RecordDataSize>()); }

CardRecord trip(int number)
{
    return {.startTime = at(2006, 1, 2, 8, number % 60),
            .startKm = 1000 + number,
            .endTime = at(2006, 1, 2, 9, number % 60),
            .endKm = 1010 + number,
            .vehicleNumber = 3,
            .kind = "G",
            .place = "Ort " + std::to_string(number)};
}

} // namespace

TEST(CardDataFileRecords, WorkedExampleDecodesByteForByte)
{
    const CardRecord record = decodeBlock(workedExampleBlock());
    EXPECT_EQ(record, workedExampleRecord());
    EXPECT_TRUE(record.isOk());
    EXPECT_EQ(record.kindOrUnassigned(), "U");
    EXPECT_FALSE(record.isWaypoint());
    EXPECT_EQ(germanDateTime(*record.startTime), "14.03.2005 08:15:30");
    EXPECT_EQ(germanDateTime(*record.endTime), "14.03.2005 08:52:10");
}

TEST(CardDataFileRecords, EncoderWritesTheWorkedExample)
{
    EXPECT_EQ(encodeRecord(workedExampleRecord()), workedExampleBlock());
}

// One byte change against the worked example and what it does to the decoded record.
struct FieldCase {
    const char* name;
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
    std::function<void(const CardRecord&)> check;
};

class CardDataFileRecordFields : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CardDataFileRecordFields, Decode)
{
    BlockBytes block = workedExampleBlock();
    std::copy(GetParam().bytes.begin(), GetParam().bytes.end(), block.begin() + GetParam().offset);
    GetParam().check(decodeBlock(block));
}

std::vector<std::uint8_t> text32(std::vector<std::uint8_t> bytes)
{
    bytes.resize(32, 0xFF);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CardDataFileRecordFields,
    ::testing::Values(
        FieldCase{"EndTimeZeroIsNoTime", 8, {0, 0, 0, 0},
                  [](const CardRecord& r) { EXPECT_FALSE(r.endTime.has_value()); }},
        FieldCase{"KindMIsAWaypoint", 24, {'M'},
                  [](const CardRecord& r) {
                      EXPECT_EQ(r.kind, "M");
                      EXPECT_TRUE(r.isWaypoint());
                  }},
        FieldCase{"KindFContinues", 24, {'F'}, [](const CardRecord& r) { EXPECT_TRUE(r.isContinuation()); }},
        FieldCase{"KindZeroIsNone", 24, {0x00}, [](const CardRecord& r) { EXPECT_EQ(r.kindOrUnassigned(), "U"); }},
        FieldCase{"OtherKindCarriedThrough", 24, {'P'}, [](const CardRecord& r) { EXPECT_EQ(r.kindOrUnassigned(), "P"); }},
        FieldCase{"StatusNotZeroIsNotOk", 20, {0x01},
                  [](const CardRecord& r) {
                      EXPECT_FALSE(r.isOk());
                      EXPECT_EQ(r.status, 1);
                  }},
        FieldCase{"PaddingDroppedInsideText", 32, text32({'H', 'a', 0xFF, 'f', 'e', 'n'}),
                  [](const CardRecord& r) { EXPECT_EQ(r.place, "Hafen"); }},
        FieldCase{"ZeroBytesDroppedToo", 64, text32({0x00, 'A', 0x00, 'b', 0xFF, 0x00}),
                  [](const CardRecord& r) { EXPECT_EQ(r.reason, "Ab"); }},
        FieldCase{"SpacesAndControlsTrimmed", 96, text32({' ', '\t', 'X', ' ', 'Y', 0x01, ' ', 0x00, '\r'}),
                  [](const CardRecord& r) { EXPECT_EQ(r.category, "X Y"); }},
        FieldCase{"TextIsWindows1252", 32, text32({'B', 0xFC, 'r', 'o', ' ', 0x80}),
                  [](const CardRecord& r) { EXPECT_EQ(r.place, "Büro €"); }},
        FieldCase{"LeadingPaddingDropped", 32, text32({0xFF, 0x00, 0xFF, 'W', 'e', 'r', 'k'}),
                  [](const CardRecord& r) { EXPECT_EQ(r.place, "Werk"); }},
        FieldCase{"Windows1252AroundPadding", 64, text32({0xDC, 0xFF, 'b', 'e', 'r', 0x00, ' ', 0x80}),
                  [](const CardRecord& r) { EXPECT_EQ(r.reason, "Über €"); }},
        FieldCase{"FullWidthText", 32, std::vector<std::uint8_t>(32, 'z'),
                  [](const CardRecord& r) { EXPECT_EQ(r.place, std::string(32, 'z')); }},
        FieldCase{"OnlyBlanksIsEmpty", 64, text32({' ', '\t', 0x1F, ' '}),
                  [](const CardRecord& r) { EXPECT_EQ(r.reason, ""); }},
        FieldCase{"BlanksAroundWindows1252", 96, text32({' ', 0x01, 0xE4, ' ', 0x80, '\n'}),
                  [](const CardRecord& r) { EXPECT_EQ(r.category, "ä €"); }},
        FieldCase{"FullWidthBetweenBlanks", 32,
                  [] {
                      std::vector<std::uint8_t> bytes(32, 'q');
                      bytes.front() = ' ';
                      bytes.back() = '\r';
                      return bytes;
                  }(),
                  [](const CardRecord& r) { EXPECT_EQ(r.place, std::string(30, 'q')); }},
        FieldCase{"HighByteAtTheEnd", 32, std::vector<std::uint8_t>(32, 0xFE),
                  [](const CardRecord& r) { EXPECT_EQ(r.place.size(), 64u); }},
        FieldCase{"OdometerIsSigned", 4, {0xFF, 0xFF, 0xFF, 0xFE},
                  [](const CardRecord& r) { EXPECT_EQ(r.startKm, -2); }},
        FieldCase{"VehicleIsBigEndian", 16, {0x01, 0x02, 0x03, 0x04},
                  [](const CardRecord& r) { EXPECT_EQ(r.vehicleNumber, 0x01020304); }},
        FieldCase{"LastTimeTheCounterHolds", 8, {0xFF, 0xFF, 0xFF, 0xFF},
                  [](const CardRecord& r) { EXPECT_EQ(r.endTime, at(2116, 2, 7, 6, 28, 15)); }},
        FieldCase{"BytesAfter128Ignored", 128, std::vector<std::uint8_t>(384, 0x41),
                  [](const CardRecord& r) { EXPECT_EQ(r, workedExampleRecord()); }}),
    [](const auto& info) { return std::string(info.param.name); });

class CardDataFileRecordsFile : public ::testing::Test {
protected:
    std::string path() const { return dir_.filePath("daten.txt").toStdString(); }
    void write(const CardFileBuilder& builder) const { builder.write(dir_.filePath("daten.txt")); }
    QTemporaryDir dir_;
};

class CardDataFileEndBlock : public CardDataFileRecordsFile, public ::testing::WithParamInterface<std::uint8_t> {};

TEST_P(CardDataFileEndBlock, FirstBlockEndsTheRecords)
{
    BlockBytes end = workedExampleBlock();
    end[0] = GetParam();
    write(CardFileBuilder().block(end).record(workedExampleRecord()));
    EXPECT_EQ(readRecords(path()).blocksConsumed(), 0u);
}

TEST_P(CardDataFileEndBlock, ReadingStopsAtTheEndBlock)
{
    write(CardFileBuilder().record(trip(1)).record(trip(2)).filledBlock(GetParam()).record(trip(3)));
    const RecordReading reading = readRecords(path());
    EXPECT_EQ(reading.records, (std::vector{trip(1), trip(2)}));
    EXPECT_EQ(reading.blocksConsumed(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Markers, CardDataFileEndBlock, ::testing::Values(0x00, 0xFF));

TEST_F(CardDataFileRecordsFile, WorkedExampleFromAFile)
{
    write(CardFileBuilder().block(workedExampleBlock()).freeBlock());
    const RecordReading reading = readRecords(path());
    EXPECT_EQ(reading.records, std::vector{workedExampleRecord()});
}

TEST_F(CardDataFileRecordsFile, FileEndingRightAfterARecord)
{
    write(CardFileBuilder().record(trip(1)).waypoint(at(2006, 1, 2, 10), 1050, 3).record(trip(2)));
    const RecordReading reading = readRecords(path());
    ASSERT_EQ(reading.blocksConsumed(), 3u);
    EXPECT_TRUE(reading.records[1].isWaypoint());
    EXPECT_EQ(reading.records[2], trip(2));
}

TEST_F(CardDataFileRecordsFile, IncompleteLastBlockIsNoRecord)
{
    const BlockBytes block = encodeRecord(trip(2));
    write(CardFileBuilder().record(trip(1)).bytes(std::span(block).first(BlockSize - 1)));
    EXPECT_EQ(readRecords(path()).records, std::vector{trip(1)});
}

TEST_F(CardDataFileRecordsFile, FileWithoutRecordAreaHasNoRecords)
{
    write(CardFileBuilder());
    EXPECT_EQ(readRecords(path()).blocksConsumed(), 0u);
}

TEST_F(CardDataFileRecordsFile, LargeCardIsReadCompletely)
{
    // More blocks than one read of the reader takes, so records cross its buffer boundaries.
    constexpr int Count = 1500;
    CardFileBuilder card;
    for (int i = 0; i < Count; ++i)
        card.record(trip(i));
    write(card.freeBlock().record(trip(0)));
    const RecordReading reading = readRecords(path());
    ASSERT_EQ(reading.blocksConsumed(), static_cast<std::size_t>(Count));
    EXPECT_EQ(reading.records.front(), trip(0));
    EXPECT_EQ(reading.records[777], trip(777));
    EXPECT_EQ(reading.records.back(), trip(Count - 1));
}

TEST_F(CardDataFileRecordsFile, MissingFileIsAnError)
{
    EXPECT_THROW(readRecords(path()), CardFileError);
}

// Keeps copies of what a streamed reading hands over.
class CollectingSink : public RecordSink {
public:
    void expect(std::size_t records) override { expected.push_back(records); }
    void take(const CardRecord& record) override { records.push_back(record); }

    std::vector<std::size_t> expected;
    std::vector<CardRecord> records;
};

struct StreamCase {
    const char* name;
    std::function<CardFileBuilder()> card;
    std::size_t records;
};

class CardDataFileStream : public CardDataFileRecordsFile, public ::testing::WithParamInterface<StreamCase> {};

TEST_P(CardDataFileStream, HandsOverWhatTheReaderKeeps)
{
    write(GetParam().card());
    CollectingSink sink;
    const ReadBlocks streamed = streamRecords(path(), sink);
    const RecordReading kept = readRecords(path());
    EXPECT_EQ(sink.records, kept.records);
    EXPECT_EQ(streamed, kept.consumed());
    EXPECT_EQ(sink.expected, std::vector{GetParam().records});
}

CardFileBuilder largeCard()
{
    // More blocks than one read of the reader takes, with a waypoint between trips of other texts.
    CardFileBuilder card;
    for (int i = 0; i < 1500; ++i)
        i % 7 == 3 ? card.waypoint(at(2006, 1, 2, 10), 1000 + i, 3) : card.record(trip(i));
    return card.freeBlock().record(trip(0));
}

INSTANTIATE_TEST_SUITE_P(
    Cards, CardDataFileStream,
    ::testing::Values(
        StreamCase{"NoRecordArea", [] { return CardFileBuilder(); }, 0},
        StreamCase{"EndBlock",
                   [] { return CardFileBuilder().record(trip(1)).record(trip(2)).freeBlock().record(trip(3)); }, 2},
        StreamCase{"IncompleteLastBlock",
                   [] {
                       const BlockBytes block = encodeRecord(trip(2));
                       return CardFileBuilder().record(trip(1)).bytes(std::span(block).first(BlockSize - 1));
                   },
                   1},
        StreamCase{"AcrossReads", largeCard, 1500}),
    [](const auto& info) { return std::string(info.param.name); });

// A card whose text fields repeat, some in other bytes that decode alike, and far more distinct
// than a reading remembers: every record comes out as if decoded alone, read whole or streamed.
TEST_F(CardDataFileRecordsFile, RepeatedTextsDecodeAsAlone)
{
    const std::uint8_t alphabet[] = {0x00, 0xFF, ' ', '\t', 'a', 'b', 'Z', 0xE4, 0x80, 0x9D, 0xFE};
    std::mt19937 random(29);
    std::vector<std::array<std::uint8_t, RecordTextSize>> fields(300);
    for (auto& field : fields)
        for (std::uint8_t& byte : field)
            byte = alphabet[random() % std::size(alphabet)];
    CardFileBuilder card;
    std::vector<BlockBytes> blocks;
    for (int i = 0; i < 2000; ++i) {
        BlockBytes block = workedExampleBlock();
        // Mostly the first few fields, as a card's lists give them, now and then any of them.
        for (const std::size_t offset : {PlaceOffset, ReasonOffset, CategoryOffset}) {
            const std::size_t pick = random() % 4 == 0 ? random() % fields.size() : random() % 6;
            std::copy(fields[pick].begin(), fields[pick].end(), block.begin() + offset);
        }
        card.block(block);
        blocks.push_back(block);
    }
    write(card.freeBlock());

    const RecordReading reading = readRecords(path());
    CollectingSink sink;
    streamRecords(path(), sink);
    ASSERT_EQ(reading.records.size(), blocks.size());
    ASSERT_EQ(sink.records.size(), blocks.size());
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const CardRecord alone = decodeBlock(blocks[i]);
        EXPECT_EQ(reading.records[i], alone) << "record " << i;
        EXPECT_EQ(sink.records[i], alone) << "record " << i;
    }
}

TEST_F(CardDataFileRecordsFile, StreamingAMissingFileIsAnError)
{
    CollectingSink sink;
    EXPECT_THROW(streamRecords(path(), sink), CardFileError);
    EXPECT_TRUE(sink.records.empty());
}
