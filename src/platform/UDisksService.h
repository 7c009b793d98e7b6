#pragma once

#include "platform/DiskService.h"

// The disk service UDisks2 (the one that also formats cards), asked over the system bus.
class UDisksService : public DiskService {
public:
    std::optional<QString> fileSystemUuid(const QString& device) const override;
};
