#pragma once

#include <QString>

#include <optional>
#include <vector>

// One line of the kernel's mount table (/proc/self/mountinfo).
struct MountEntry {
    // "8:17": the mounted block device's numbers, the key into /sys/dev/block.
    QString deviceNumber;
    QString mountPoint;
    // What was mounted, "/dev/sdb1" for a block device.
    QString source;
};

// The entries in the order the file systems were mounted; lines that cannot be read are left out.
// A file that cannot be opened gives no entries.
std::vector<MountEntry> readMountInfo(const QString& path);

// One line; nothing when it is not a mount table line.
std::optional<MountEntry> parseMountInfoLine(const QString& line);
