#pragma once

#include "card/datafile/CardHeader.h"
#include "card/datafile/CardRecord.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Writes real card data files: a header from three lists (or raw bytes), then the blocks in the
// order they are added. Nothing is appended on its own: add freeBlock() to end the records as a
// real card does, or leave it out for a file that ends right after its last record.
class CardFileBuilder {
public:
    CardFileBuilder();

    CardFileBuilder& lists(const cardfile::CardLists& lists);
    // Replaces the whole header, for files that are damaged or no data file at all.
    CardFileBuilder& rawHeader(std::vector<std::uint8_t> bytes);

    CardFileBuilder& record(const cardfile::CardRecord& record);
    // The record with kind "F": it continues the trip before it.
    CardFileBuilder& continuation(cardfile::CardRecord record);
    CardFileBuilder& waypoint(const cardfile::RecorderTime& time, std::int32_t km, std::int32_t vehicleNumber);
    CardFileBuilder& block(const cardfile::BlockBytes& block);
    // A block of 0xFF, as the recorder leaves free space and the erase leaves taken-over records.
    CardFileBuilder& freeBlock();
    CardFileBuilder& filledBlock(std::uint8_t fill);
    // Any bytes, for example an incomplete last block.
    CardFileBuilder& bytes(std::span<const std::uint8_t> bytes);

    std::vector<std::uint8_t> build() const;
    // Creates or replaces the file; fails the test when it cannot.
    void write(const QString& path) const;

private:
    std::vector<std::uint8_t> header_;
    std::vector<std::uint8_t> body_;
};

// 14.03.2005 08:15:30 as at(2005, 3, 14, 8, 15, 30).
cardfile::RecorderTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
cardfile::RecorderTime recorderTime(const QDateTime& time);

namespace karte {
// A delivery trip of recorder vehicle `fahrzeug` on 14.03.2005, 08:<minute>:30 to 09:<minute>:10,
// starting at 45210 + minute km: the trip the card import tests read.
cardfile::CardRecord fahrt(int minute, int km, const std::string& ort = "Werk 2", int fahrzeug = 7);
} // namespace karte

// The whole file's bytes, for comparing before and after a write.
std::vector<std::uint8_t> readAllBytes(const QString& path);
