#pragma once

#include <QString>

#include <cstdint>

// One drive with removable media, as a card reset looks at it.
struct RemovableDrive {
    // Where the medium is mounted, with a trailing "/" ("/media/anna/KARTE/"); for a drive without
    // a mounted medium the device path ("/dev/sdc"). Messages name the drive by it.
    QString root;
    // The block device of the medium ("/dev/sdc1"), for the disk service.
    QString device;
    // Whether a medium is mounted and can be read; only then the size means anything.
    bool readable = false;
    std::uint64_t blockSize = 0;
    std::uint64_t blockCount = 0;
};
