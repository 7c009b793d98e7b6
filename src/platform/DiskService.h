#pragma once

#include <QString>

#include <optional>

// What the system's disk service knows about a block device.
class DiskService {
public:
    virtual ~DiskService() = default;

    // The file system UUID of the device ("/dev/sdb1"), as the kernel's by-uuid links name it; nothing
    // when the service is missing or does not know the device.
    virtual std::optional<QString> fileSystemUuid(const QString& device) const = 0;
};
