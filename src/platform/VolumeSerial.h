#pragma once

#include <QString>

#include <optional>

// Identifies a memory card by the volume serial number of the file system that holds a file on it,
// written as an unsigned decimal number. The number is the card's key in the database, so it must
// be the same on every machine the card is read on.
class VolumeSerial {
public:
    virtual ~VolumeSerial() = default;

    // No value when the file system of `path` cannot be found or has no serial number.
    virtual std::optional<QString> cardIdentifier(const QString& path) const = 0;
};
