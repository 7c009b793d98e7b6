#pragma once

#include "platform/VolumeSerial.h"

// Finds the mount that holds the file in /proc/self/mountinfo and the file system UUID of its
// device in /dev/disk/by-uuid, both readable without privileges. Pseudo and network file systems
// have no UUID there, so a file on them has no card identifier.
class LinuxVolumeSerial : public VolumeSerial {
public:
    // The two places can be moved for tests.
    explicit LinuxVolumeSerial(QString mountInfoFile = QStringLiteral("/proc/self/mountinfo"),
                               QString byUuidDirectory = QStringLiteral("/dev/disk/by-uuid"));

    std::optional<QString> cardIdentifier(const QString& path) const override;

private:
    QString mountInfoFile_;
    QString byUuidDirectory_;
};
