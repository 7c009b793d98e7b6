#include "platform/UDisksService.h"

#include "platform/UDisks.h"

std::optional<QString> UDisksService::fileSystemUuid(const QString& device) const
{
    if (device.isEmpty())
        return std::nullopt;
    const QString object = udisks::blockObject(device);
    if (object.isEmpty())
        return std::nullopt;
    const QString uuid = udisks::blockProperty(object, QStringLiteral("IdUUID")).toString();
    return uuid.isEmpty() ? std::nullopt : std::optional<QString>(uuid);
}
