#pragma once

#include "platform/UDisksService.h"
#include "platform/VolumeSerial.h"

#include <memory>

// Finds the mount that holds the file in /proc/self/mountinfo and the file system UUID of its
// device in /dev/disk/by-uuid, both readable without privileges. Minimal systems have no by-uuid
// links; there the disk service is asked for the device's UUID. Pseudo and network file systems
// have no UUID, so a file on them has no card identifier.
class LinuxVolumeSerial : public VolumeSerial {
public:
    // The disk service and the two places can be replaced for tests.
    explicit LinuxVolumeSerial(std::unique_ptr<DiskService> disks = std::make_unique<UDisksService>(),
                               QString mountInfoFile = QStringLiteral("/proc/self/mountinfo"),
                               QString byUuidDirectory = QStringLiteral("/dev/disk/by-uuid"));

    std::optional<QString> cardIdentifier(const QString& path) const override;

private:
    std::unique_ptr<DiskService> disks_;
    QString mountInfoFile_;
    QString byUuidDirectory_;
};
