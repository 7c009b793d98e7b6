#include "platform/LinuxRemovableMedia.h"

#include "platform/MountInfo.h"
#include "platform/UDisksFormatter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <unistd.h>

namespace {

// sysfs counts sizes in 512-byte sectors whatever the device's own sector size.
constexpr std::uint64_t sysfsSectorSize = 512;
// SCSI peripheral type of CD and DVD drives: removable too, but never a memory card.
const QString opticalDriveType = QStringLiteral("5");

QString readSysText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).trimmed();
}

// The sysfs folder of a disk or partition, the symlinks resolved.
struct SysDevice {
    QString folder;
    // The whole disk: the device itself, or the disk it is a partition of.
    QString disk;
};

std::optional<SysDevice> sysDevice(const QString& sys, const QString& deviceNumber)
{
    const QString folder = QFileInfo(sys + QStringLiteral("/dev/block/") + deviceNumber).canonicalFilePath();
    if (folder.isEmpty())
        return std::nullopt;
    const bool partition = QFileInfo::exists(folder + QStringLiteral("/partition"));
    return SysDevice{folder, partition ? QFileInfo(folder).path() : folder};
}

bool isRemovableDisk(const QString& diskFolder)
{
    return readSysText(diskFolder + QStringLiteral("/removable")) == QLatin1String("1")
           && readSysText(diskFolder + QStringLiteral("/device/type")) != opticalDriveType;
}

QString withTrailingSlash(const QString& path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

RemovableDrive mountedDrive(const MountEntry& mount, const SysDevice& device)
{
    const QFileInfo root(mount.mountPoint);
    const std::uint64_t sectors = readSysText(device.folder + QStringLiteral("/size")).toULongLong();
    return RemovableDrive{.root = withTrailingSlash(mount.mountPoint),
                          .device = mount.source,
                          .readable = root.isDir() && root.isReadable() && sectors > 0,
                          .blockSize = sysfsSectorSize,
                          .blockCount = sectors};
}

// Removable disks none of whose file systems is mounted: a card reader without a card, or a card
// the desktop did not mount.
std::vector<RemovableDrive> unmountedDrives(const QString& sys, const QSet<QString>& disksWithMounts)
{
    std::vector<RemovableDrive> drives;
    const QDir blockFolder(sys + QStringLiteral("/block"));
    for (const QString& name : blockFolder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString disk = QFileInfo(blockFolder.filePath(name)).canonicalFilePath();
        if (disk.isEmpty() || disksWithMounts.contains(disk) || !isRemovableDisk(disk))
            continue;
        const QString device = QStringLiteral("/dev/") + name;
        drives.push_back(RemovableDrive{.root = device, .device = device});
    }
    return drives;
}

} // namespace

LinuxRemovableMedia::LinuxRemovableMedia(Paths paths, std::unique_ptr<MediumFormatter> formatter)
    : paths_(std::move(paths)), formatter_(std::move(formatter))
{
}

std::vector<RemovableDrive> LinuxRemovableMedia::drives() const
{
    std::vector<RemovableDrive> drives;
    QSet<QString> seenDevices;
    QSet<QString> disksWithMounts;
    for (const MountEntry& mount : readMountInfo(paths_.mountInfo)) {
        const auto device = sysDevice(paths_.sys, mount.deviceNumber);
        if (!device || !isRemovableDisk(device->disk))
            continue;
        disksWithMounts.insert(device->disk);
        // A medium mounted a second time (a bind mount) is still one drive.
        if (seenDevices.contains(device->folder))
            continue;
        seenDevices.insert(device->folder);
        drives.push_back(mountedDrive(mount, *device));
    }
    for (RemovableDrive& drive : unmountedDrives(paths_.sys, disksWithMounts))
        drives.push_back(std::move(drive));
    return drives;
}

QString LinuxRemovableMedia::prepare(const RemovableDrive& drive)
{
    if (formatter_) {
        const MediumFormatter::Result result = formatter_->format(drive);
        if (result.formatted || result.root.isEmpty())
            return result.root;
        removeEverythingBelow(result.root);
        return result.root;
    }
    removeEverythingBelow(drive.root);
    return drive.root;
}

bool LinuxRemovableMedia::copyFile(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return false;
    QFile target(to);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = target.write(bytes) == bytes.size() && target.flush();
    // The card may be pulled right after the message: the data must be on it, not in a cache.
    const bool synced = written && ::fsync(target.handle()) == 0;
    target.close();
    return synced && target.error() == QFileDevice::NoError;
}

bool removeEverythingBelow(const QString& root)
{
    bool allRemoved = true;
    const QDir folder(root);
    const auto entries = folder.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        // A link is removed itself; what it points to may lie outside the medium.
        const bool removed = entry.isDir() && !entry.isSymLink()
                                 ? QDir(entry.absoluteFilePath()).removeRecursively()
                                 : QFile::remove(entry.absoluteFilePath());
        allRemoved = allRemoved && removed;
    }
    return allRemoved;
}

std::unique_ptr<RemovableMedia> systemRemovableMedia()
{
    return std::make_unique<LinuxRemovableMedia>(LinuxRemovableMedia::Paths{}, std::make_unique<UDisksFormatter>());
}
