#include "platform/UDisksFormatter.h"

#include "platform/UDisks.h"

#include <QVariantMap>

namespace {

// Formatting waits for the user to authorise it, so the call may take minutes.
constexpr int formatTimeoutMs = 10 * 60 * 1000;

QString mount(const QString& object)
{
    const auto reply = udisks::call(object, udisks::filesystemInterface, QStringLiteral("Mount"), {QVariantMap{}});
    if (!reply || reply->isEmpty())
        return {};
    const QString path = reply->first().toString();
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

} // namespace

MediumFormatter::Result UDisksFormatter::format(const RemovableDrive& drive)
{
    const Result unchanged{.formatted = false, .root = drive.root};
    if (drive.device.isEmpty())
        return unchanged;
    const QString object = udisks::blockObject(drive.device);
    if (object.isEmpty())
        return unchanged;
    QVariantMap options;
    if (const QString oldLabel = udisks::blockProperty(object, QStringLiteral("IdLabel")).toString();
        !oldLabel.isEmpty())
        options.insert(QStringLiteral("label"), oldLabel);
    if (!udisks::call(object, udisks::filesystemInterface, QStringLiteral("Unmount"), {QVariantMap{}}))
        return unchanged;
    const bool formatted = udisks::call(object, udisks::blockInterface, QStringLiteral("Format"),
                                        {QStringLiteral("vfat"), options}, formatTimeoutMs)
                               .has_value();
    return {.formatted = formatted, .root = mount(object)};
}
