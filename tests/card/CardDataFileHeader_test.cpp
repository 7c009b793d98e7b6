#include "card/datafile/CardFile.h"
#include "card/datafile/CardFileError.h"
#include "support/CardFileBuilder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>

using namespace cardfile;

namespace {

std::vector<std::uint8_t> slotOf(const HeaderBytes& header, std::size_t slot)
{
    return {header.begin() + slot * SlotSize, header.begin() + (slot + 1) * SlotSize};
}

std::vector<std::uint8_t> textThenPadding(std::string_view text)
{
    std::vector<std::uint8_t> slot(text.begin(), text.end());
    slot.push_back(' ');
    slot.resize(SlotSize, 0xFF);
    return slot;
}

CardLists numberedLists()
{
    CardLists lists;
    for (std::size_t i = 0; i < ListEntryCount; ++i) {
        lists.places[i] = "Ort " + std::to_string(i + 1);
        lists.reasons[i] = "Grund " + std::to_string(i + 1);
        lists.categories[i] = "Kategorie " + std::to_string(i + 1);
    }
    return lists;
}

CardLists decode(const HeaderBytes& header) { return decodeHeader(std::span(header).first<HeaderReadSize>()); }

bool allFree(const HeaderBytes& header, std::size_t from, std::size_t to)
{
    return std::all_of(header.begin() + from, header.begin() + to, [](std::uint8_t b) { return b == 0xFF; });
}

} // namespace

TEST(CardDataFileHeader, EmptyListsGiveTheSlotLayout)
{
    const HeaderBytes header = encodeHeader({});
    EXPECT_EQ(std::string(header.begin(), header.begin() + 11), "FahrtenBuch");
    EXPECT_TRUE(allFree(header, 11, 32));
    for (const std::size_t slot : {1, 30, 33, 62, 65, 94})
        EXPECT_EQ(slotOf(header, slot), textThenPadding("")) << "slot " << slot;
    EXPECT_TRUE(allFree(header, 992, 1056));
    EXPECT_TRUE(allFree(header, 2016, 2080));
    EXPECT_TRUE(allFree(header, 3040, 3072));

    const CardLists lists = decode(header);
    EXPECT_EQ(lists, CardLists{});
}

TEST(CardDataFileHeader, EntriesGoToTheirSlots)
{
    CardLists lists;
    lists.places[0] = "Lager Nord";
    lists.places[29] = "Hafen";
    lists.reasons[0] = "Lieferung";
    lists.categories[29] = "Dienstfahrt";
    const HeaderBytes header = encodeHeader(lists);
    EXPECT_EQ(slotOf(header, 1), textThenPadding("Lager Nord"));
    EXPECT_EQ(slotOf(header, 30), textThenPadding("Hafen"));
    EXPECT_EQ(slotOf(header, 33), textThenPadding("Lieferung"));
    EXPECT_EQ(slotOf(header, 94), textThenPadding("Dienstfahrt"));
}

TEST(CardDataFileHeader, NinetyEntriesRoundTrip)
{
    const CardLists lists = numberedLists();
    EXPECT_EQ(decode(encodeHeader(lists)), lists);
}

TEST(CardDataFileHeader, ThirtyCharactersRoundTripAndLongerAreShortenedToThirty)
{
    CardLists lists;
    lists.places[0] = std::string(30, 'a');
    lists.places[1] = std::string(31, 'b');
    lists.places[2] = std::string(45, 'c');
    const HeaderBytes header = encodeHeader(lists);
    const CardLists read = decode(header);
    EXPECT_EQ(read.places[0], std::string(30, 'a'));
    EXPECT_EQ(read.places[1], std::string(30, 'b'));
    EXPECT_EQ(read.places[2], std::string(30, 'c'));
    // The slots after them are where they belong.
    EXPECT_EQ(slotOf(header, 4), textThenPadding(""));
}

TEST(CardDataFileHeader, SlotWithoutTerminatorReadsEmpty)
{
    HeaderBytes header = encodeHeader(numberedLists());
    // 31 characters and a space, as a writer that does not shorten leaves it.
    std::fill_n(header.begin() + 1 * SlotSize, 31, 'x');
    header[1 * SlotSize + 31] = ' ';
    // No space before the 0xFF.
    std::fill_n(header.begin() + 33 * SlotSize, SlotSize, 'y');
    std::fill_n(header.begin() + 65 * SlotSize, SlotSize, 0xFF);
    const CardLists lists = decode(header);
    EXPECT_EQ(lists.places[0], "");
    EXPECT_EQ(lists.reasons[0], "");
    EXPECT_EQ(lists.categories[0], "");
    EXPECT_EQ(lists.places[1], "Ort 2");
}

TEST(CardDataFileHeader, TextIsWindows1252AndUnknownCharactersBecomeQuestionMarks)
{
    CardLists lists;
    lists.places[0] = "Büro Süd €5";
    lists.places[1] = "Łódź";
    const HeaderBytes header = encodeHeader(lists);
    EXPECT_EQ(slotOf(header, 1), textThenPadding("B\xFCro S\xFC" "d \x80" "5"));
    const CardLists read = decode(header);
    EXPECT_EQ(read.places[0], "Büro Süd €5");
    EXPECT_EQ(read.places[1], "?\xC3\xB3" "d?");
}

TEST(CardDataFileHeader, IdentityIsTheFirstElevenBytes)
{
    const std::string good = "FahrtenBuch";
    EXPECT_TRUE(hasIdentity(std::span(reinterpret_cast<const std::uint8_t*>(good.data()), good.size())));
    const std::string other = "FahrtenBuck";
    EXPECT_FALSE(hasIdentity(std::span(reinterpret_cast<const std::uint8_t*>(other.data()), other.size())));
    EXPECT_FALSE(hasIdentity(std::span(reinterpret_cast<const std::uint8_t*>(good.data()), 10)));
}

class CardDataFileHeaderFile : public ::testing::Test {
protected:
    QString path(const char* name = "daten.txt") const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

TEST_F(CardDataFileHeaderFile, IdentityCheckOfFiles)
{
    CardFileBuilder().write(path());
    CardFileBuilder().rawHeader({'F', 'a', 'h', 'r', 't'}).write(path("kurz.txt"));
    EXPECT_EQ(checkIdentity(path().toStdString()), FileIdentity::DataFile);
    EXPECT_EQ(checkIdentity(path("kurz.txt").toStdString()), FileIdentity::NotDataFile);
    EXPECT_EQ(checkIdentity(path("fehlt.txt").toStdString()), FileIdentity::Unreadable);
    EXPECT_EQ(checkIdentity(dir_.path().toStdString()), FileIdentity::Unreadable);
}

TEST_F(CardDataFileHeaderFile, ListsAreReadFromTheFile)
{
    CardFileBuilder().lists(numberedLists()).freeBlock().write(path());
    EXPECT_EQ(readCardLists(path().toStdString()), numberedLists());
}

TEST_F(CardDataFileHeaderFile, ThreeThousandFortyBytesAreEnough)
{
    std::vector<std::uint8_t> header = CardFileBuilder().lists(numberedLists()).build();
    header.resize(HeaderReadSize);
    CardFileBuilder().rawHeader(header).write(path());
    EXPECT_EQ(readCardLists(path().toStdString()), numberedLists());
}

TEST_F(CardDataFileHeaderFile, FileShorterThan3040BytesIsAReadError)
{
    std::vector<std::uint8_t> header = CardFileBuilder().lists(numberedLists()).build();
    header.resize(HeaderReadSize - 1);
    CardFileBuilder().rawHeader(header).write(path());
    try {
        readCardLists(path().toStdString());
        FAIL() << "expected a read error";
    } catch (const CardFileError& error) {
        EXPECT_NE(std::string(error.what()).find("ist zu kurz"), std::string::npos) << error.what();
    }
}

TEST_F(CardDataFileHeaderFile, MissingFileIsAnErrorNamingIt)
{
    try {
        readCardLists(path("fehlt.txt").toStdString());
        FAIL() << "expected an error";
    } catch (const CardFileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Die Datei „" + path("fehlt.txt").toStdString() + "“ konnte nicht geöffnet werden.");
        EXPECT_EQ(error.code(), std::errc::no_such_file_or_directory);
    }
}

TEST_F(CardDataFileHeaderFile, WritingListsRewritesTheHeaderOnly)
{
    const CardFileBuilder card = CardFileBuilder()
                                     .record({.startTime = at(2005, 3, 14, 8), .startKm = 100, .vehicleNumber = 7})
                                     .filledBlock(0x5A)
                                     .bytes(std::vector<std::uint8_t>(100, 0x33));
    card.write(path());
    const std::vector<std::uint8_t> before = readAllBytes(path());

    writeCardLists(path().toStdString(), numberedLists());

    const std::vector<std::uint8_t> after = readAllBytes(path());
    ASSERT_EQ(after.size(), before.size());
    const HeaderBytes expectedHeader = encodeHeader(numberedLists());
    EXPECT_TRUE(std::equal(expectedHeader.begin(), expectedHeader.end(), after.begin()));
    EXPECT_TRUE(std::equal(before.begin() + HeaderSize, before.end(), after.begin() + HeaderSize));
}

TEST_F(CardDataFileHeaderFile, WritingListsNeedsAnExistingFile)
{
    EXPECT_THROW(writeCardLists(path("fehlt.txt").toStdString(), numberedLists()), CardFileError);
    EXPECT_FALSE(QFile::exists(path("fehlt.txt")));
}
