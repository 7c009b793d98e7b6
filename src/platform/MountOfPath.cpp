#include "platform/MountOfPath.h"

namespace {

bool holds(const QString& mountPoint, const QString& path)
{
    if (mountPoint == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == mountPoint || path.startsWith(mountPoint + QLatin1Char('/'));
}

} // namespace

const MountEntry* mountHolding(const std::vector<MountEntry>& mounts, const QString& canonicalPath)
{
    const MountEntry* best = nullptr;
    for (const MountEntry& mount : mounts)
        if (holds(mount.mountPoint, canonicalPath) && (!best || mount.mountPoint.size() >= best->mountPoint.size()))
            best = &mount;
    return best;
}
