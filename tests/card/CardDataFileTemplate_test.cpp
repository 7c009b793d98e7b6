#include "card/datafile/CardFile.h"
#include "card/datafile/ResetTemplate.h"
#include "support/CardFileBuilder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>

using namespace cardfile;

TEST(CardDataFileTemplate, EmptyHeaderAndOneFreeBlock)
{
    const std::vector<std::uint8_t> bytes = resetTemplateBytes();
    ASSERT_EQ(bytes.size(), 3072u + 512u);
    const HeaderBytes emptyHeader = encodeHeader({});
    EXPECT_TRUE(std::equal(emptyHeader.begin(), emptyHeader.end(), bytes.begin()));
    EXPECT_TRUE(std::all_of(bytes.begin() + 3072, bytes.end(), [](std::uint8_t b) { return b == 0xFF; }));
}

TEST(CardDataFileTemplate, WrittenTemplateIsADataFileWithoutRecords)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("daten.txt").toStdString();
    CardFileBuilder().record({.startTime = at(2006, 1, 1, 8), .vehicleNumber = 1}).write(dir.filePath("daten.txt"));

    writeResetTemplate(path);

    EXPECT_EQ(readAllBytes(dir.filePath("daten.txt")), resetTemplateBytes());
    EXPECT_EQ(checkIdentity(path), FileIdentity::DataFile);
    EXPECT_EQ(readCardLists(path), CardLists{});
    EXPECT_EQ(readRecords(path).blocksConsumed(), 0u);
}

TEST(CardDataFileTemplate, BuildPutsItBesideTheProgram)
{
    const QString shipped = QCoreApplication::applicationDirPath() + "/" + ResetTemplateName;
    ASSERT_TRUE(QFile::exists(shipped)) << shipped.toStdString();
    EXPECT_EQ(readAllBytes(shipped), resetTemplateBytes());
}
