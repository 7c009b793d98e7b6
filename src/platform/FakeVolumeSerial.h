#pragma once

#include "platform/VolumeSerial.h"

// For tests: answers every path with the identifier it was given, or fails like a file system
// without serial number.
class FakeVolumeSerial : public VolumeSerial {
public:
    explicit FakeVolumeSerial(std::optional<QString> identifier = std::nullopt) : identifier_(std::move(identifier)) {}

    void setIdentifier(std::optional<QString> identifier) { identifier_ = std::move(identifier); }

    std::optional<QString> cardIdentifier(const QString&) const override { return identifier_; }

private:
    std::optional<QString> identifier_;
};
