#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

// Linux shows a volume serial number as the file system UUID. FAT and exFAT show their 32-bit
// serial as "ABCD-1234", NTFS its 64-bit serial as 16 hexadecimal digits, of which other systems
// report the lower 32 bits. Any other UUID (ext4, btrfs, ...) is folded into 32 bits, which keeps
// it stable per volume.
namespace volumeuuid {

// No value when the text holds no hexadecimal digit or anything but hexadecimal digits and "-".
std::optional<std::uint32_t> serialFromUuid(QStringView uuid);

} // namespace volumeuuid
