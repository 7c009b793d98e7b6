#include "support/CardFileBuilder.h"

#include <gtest/gtest.h>

#include <QFile>

CardFileBuilder::CardFileBuilder() { lists({}); }

CardFileBuilder& CardFileBuilder::lists(const cardfile::CardLists& lists)
{
    const cardfile::HeaderBytes header = cardfile::encodeHeader(lists);
    header_.assign(header.begin(), header.end());
    return *this;
}

CardFileBuilder& CardFileBuilder::rawHeader(std::vector<std::uint8_t> bytes)
{
    header_ = std::move(bytes);
    return *this;
}

CardFileBuilder& CardFileBuilder::record(const cardfile::CardRecord& record)
{
    return block(cardfile::encodeRecord(record));
}

CardFileBuilder& CardFileBuilder::continuation(cardfile::CardRecord record)
{
    record.kind = "F";
    return this->record(record);
}

CardFileBuilder& CardFileBuilder::waypoint(const cardfile::RecorderTime& time, std::int32_t km,
                                           std::int32_t vehicleNumber)
{
    cardfile::CardRecord record;
    record.startTime = time;
    record.startKm = km;
    record.vehicleNumber = vehicleNumber;
    record.kind = "M";
    return this->record(record);
}

CardFileBuilder& CardFileBuilder::block(const cardfile::BlockBytes& block)
{
    return bytes(block);
}

CardFileBuilder& CardFileBuilder::freeBlock() { return filledBlock(cardfile::FreeByte); }

CardFileBuilder& CardFileBuilder::filledBlock(std::uint8_t fill)
{
    body_.resize(body_.size() + cardfile::BlockSize, fill);
    return *this;
}

CardFileBuilder& CardFileBuilder::bytes(std::span<const std::uint8_t> bytes)
{
    body_.insert(body_.end(), bytes.begin(), bytes.end());
    return *this;
}

std::vector<std::uint8_t> CardFileBuilder::build() const
{
    std::vector<std::uint8_t> file = header_;
    file.insert(file.end(), body_.begin(), body_.end());
    return file;
}

void CardFileBuilder::write(const QString& path) const
{
    const std::vector<std::uint8_t> file = build();
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(out.write(reinterpret_cast<const char*>(file.data()), static_cast<qint64>(file.size())),
              static_cast<qint64>(file.size()));
}

cardfile::RecorderTime at(int year, int month, int day, int hour, int minute, int second)
{
    return {static_cast<std::int16_t>(year), static_cast<std::uint8_t>(month), static_cast<std::uint8_t>(day),
            static_cast<std::uint8_t>(hour), static_cast<std::uint8_t>(minute), static_cast<std::uint8_t>(second)};
}

cardfile::RecorderTime recorderTime(const QDateTime& time)
{
    const QDate date = time.date();
    const QTime clock = time.time();
    return at(date.year(), date.month(), date.day(), clock.hour(), clock.minute(), clock.second());
}

std::vector<std::uint8_t> readAllBytes(const QString& path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = in.readAll();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

namespace karte {

cardfile::CardRecord fahrt(int minute, int km, const std::string& ort, int fahrzeug)
{
    return {.startTime = at(2005, 3, 14, 8, minute, 30),
            .startKm = 45210 + minute,
            .endTime = at(2005, 3, 14, 9, minute, 10),
            .endKm = 45210 + minute + km,
            .vehicleNumber = fahrzeug,
            .kind = "G",
            .place = ort,
            .reason = "Lieferung",
            .category = "Dienstfahrt"};
}

} // namespace karte
