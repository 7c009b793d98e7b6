#include "card/datafile/CardFile.h"
#include "card/datafile/CardFileError.h"
#include "support/CardFileBuilder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

using namespace cardfile;

namespace {

CardRecord trip(int number)
{
    return {.startTime = at(2006, 5, number, 8), .startKm = 100 * number, .vehicleNumber = 4, .kind = "U"};
}

} // namespace

class CardDataFileErase : public ::testing::Test {
protected:
    QString file() const { return dir_.filePath("daten.txt"); }
    std::string path() const { return file().toStdString(); }
    QTemporaryDir dir_;
};

TEST_F(CardDataFileErase, ErasesExactlyTheBlocksRead)
{
    CardLists lists;
    lists.places[0] = "Lager Nord";
    CardFileBuilder()
        .lists(lists)
        .record(trip(1))
        .waypoint(at(2006, 5, 1, 9), 150, 4)
        .record(trip(2))
        .waypoint(at(2006, 5, 2, 9), 250, 4)
        .record(trip(3))
        .freeBlock()
        .filledBlock(0x42)
        .write(file());
    const std::vector<std::uint8_t> before = readAllBytes(file());

    const RecordReading reading = readRecords(path());
    ASSERT_EQ(reading.blocksConsumed(), 5u);
    EXPECT_EQ(eraseRecords(path(), reading.consumed()), EraseResult::Erased);

    const std::vector<std::uint8_t> after = readAllBytes(file());
    ASSERT_EQ(after.size(), before.size());
    constexpr std::size_t EraseEnd = 5632;
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + 3072, after.begin()));
    EXPECT_TRUE(std::all_of(after.begin() + 3072, after.begin() + EraseEnd, [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_TRUE(std::equal(before.begin() + EraseEnd, before.end(), after.begin() + EraseEnd));
    EXPECT_EQ(readRecords(path()).blocksConsumed(), 0u);
    EXPECT_EQ(readCardLists(path()), lists);
}

TEST_F(CardDataFileErase, ErasingNothingChangesNothing)
{
    CardFileBuilder().record(trip(1)).write(file());
    const std::vector<std::uint8_t> before = readAllBytes(file());
    EXPECT_EQ(eraseRecords(path(), ReadBlocks{}), EraseResult::Erased);
    EXPECT_EQ(readAllBytes(file()), before);
}

TEST_F(CardDataFileErase, MissingFileIsAnErrorAndIsNotCreated)
{
    try {
        eraseRecords(path(), ReadBlocks{.count = 3});
        FAIL() << "expected an error";
    } catch (const CardFileError& error) {
        EXPECT_NE(std::string(error.what()).find("konnte nicht geöffnet werden"), std::string::npos);
    }
    EXPECT_FALSE(QFile::exists(file()));
}

TEST_F(CardDataFileErase, DirectoryIsAnError)
{
    EXPECT_THROW(eraseRecords(dir_.path().toStdString(), ReadBlocks{.count = 1}), CardFileError);
}

// How the file changes between the reading and the erase.
struct Change {
    const char* name;
    void (*apply)(const QString& file);
};

void overwriteByte(const QString& file, qint64 offset)
{
    QFile data(file);
    ASSERT_TRUE(data.open(QIODevice::ReadWrite));
    ASSERT_TRUE(data.seek(offset));
    ASSERT_EQ(data.write("\x42", 1), 1);
}

class CardDataFileChangedBeforeErase : public CardDataFileErase, public ::testing::WithParamInterface<Change> {};

TEST_P(CardDataFileChangedBeforeErase, ErasesNothing)
{
    CardFileBuilder().record(trip(1)).record(trip(2)).record(trip(3)).freeBlock().write(file());
    const ReadBlocks read = readRecords(path()).consumed();
    GetParam().apply(file());
    const std::vector<std::uint8_t> changed = readAllBytes(file());

    EXPECT_EQ(eraseRecords(path(), read), EraseResult::FileChanged);
    EXPECT_EQ(readAllBytes(file()), changed);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, CardDataFileChangedBeforeErase,
    ::testing::Values(
        Change{"AnotherCard",
               [](const QString& file) {
                   CardFileBuilder().record(trip(4)).record(trip(5)).record(trip(6)).record(trip(7)).write(file);
               }},
        Change{"RecordField", [](const QString& file) { overwriteByte(file, 3072 + 512 + 5); }},
        // Bytes no reader looks at still belong to the block.
        Change{"UnreadBlockTail", [](const QString& file) { overwriteByte(file, 3072 + 2 * 512 + 300); }},
        Change{"CutOff", [](const QString& file) { ASSERT_TRUE(QFile::resize(file, 3072 + 2 * 512)); }}),
    [](const auto& info) { return std::string(info.param.name); });
