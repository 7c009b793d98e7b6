#include "platform/LinuxVolumeSerial.h"

#include "platform/MountOfPath.h"
#include "platform/VolumeUuid.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// The device the mount names, by number and, for devices whose node has other numbers (device
// mapper, renamed nodes), by the node its name leads to.
bool isDeviceOf(const QString& node, const MountEntry& mount)
{
    struct stat status {};
    if (::stat(QFile::encodeName(node).constData(), &status) == 0 && S_ISBLK(status.st_mode) &&
        QStringLiteral("%1:%2").arg(major(status.st_rdev)).arg(minor(status.st_rdev)) == mount.deviceNumber)
        return true;
    const QString target = QFileInfo(node).canonicalFilePath();
    return !target.isEmpty() && target == QFileInfo(mount.source).canonicalFilePath();
}

std::optional<QString> uuidOf(const QString& byUuidDirectory, const MountEntry& mount)
{
    const QDir directory(byUuidDirectory);
    for (const QString& uuid : directory.entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
        if (isDeviceOf(directory.filePath(uuid), mount))
            return uuid;
    return std::nullopt;
}

} // namespace

LinuxVolumeSerial::LinuxVolumeSerial(std::unique_ptr<DiskService> disks, QString mountInfoFile,
                                     QString byUuidDirectory)
    : disks_(std::move(disks)), mountInfoFile_(std::move(mountInfoFile)), byUuidDirectory_(std::move(byUuidDirectory))
{
}

std::optional<QString> LinuxVolumeSerial::cardIdentifier(const QString& path) const
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty())
        return std::nullopt;
    const std::vector<MountEntry> mounts = readMountInfo(mountInfoFile_);
    const MountEntry* mount = mountHolding(mounts, canonical);
    if (!mount)
        return std::nullopt;
    auto uuid = uuidOf(byUuidDirectory_, *mount);
    if (!uuid)
        uuid = disks_->fileSystemUuid(mount->source);
    if (!uuid)
        return std::nullopt;
    const auto serial = volumeuuid::serialFromUuid(*uuid);
    if (!serial)
        return std::nullopt;
    return QString::number(*serial);
}
