#include "platform/UDisksFormatter.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusMetaType>
#include <QVariantMap>

namespace {

const QString service = QStringLiteral("org.freedesktop.UDisks2");
const QString managerObject = QStringLiteral("/org/freedesktop/UDisks2/Manager");
const QString managerInterface = QStringLiteral("org.freedesktop.UDisks2.Manager");
const QString blockInterface = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString filesystemInterface = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
// Formatting waits for the user to authorise it, so the call may take minutes.
constexpr int formatTimeoutMs = 10 * 60 * 1000;

std::optional<QVariantList> call(const QString& object, const QString& interface, const QString& method,
                                 const QVariantList& arguments, int timeoutMs = -1)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, object, interface, method);
    message.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection::systemBus().call(message, QDBus::Block, timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return std::nullopt;
    return reply.arguments();
}

// The service's object for a device path such as "/dev/sdb1".
QString blockObject(const QString& device)
{
    const auto reply = call(managerObject, managerInterface, QStringLiteral("ResolveDevice"),
                            {QVariantMap{{QStringLiteral("path"), device}}, QVariantMap{}});
    if (!reply || reply->isEmpty())
        return {};
    const auto objects = qdbus_cast<QList<QDBusObjectPath>>(reply->first());
    return objects.isEmpty() ? QString() : objects.first().path();
}

QString label(const QString& object)
{
    const auto reply = call(object, propertiesInterface, QStringLiteral("Get"),
                            {blockInterface, QStringLiteral("IdLabel")});
    if (!reply || reply->isEmpty())
        return {};
    return qdbus_cast<QDBusVariant>(reply->first()).variant().toString();
}

QString mount(const QString& object)
{
    const auto reply = call(object, filesystemInterface, QStringLiteral("Mount"), {QVariantMap{}});
    if (!reply || reply->isEmpty())
        return {};
    const QString path = reply->first().toString();
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

} // namespace

MediumFormatter::Result UDisksFormatter::format(const RemovableDrive& drive)
{
    const Result unchanged{.formatted = false, .root = drive.root};
    if (drive.device.isEmpty() || !QDBusConnection::systemBus().isConnected())
        return unchanged;
    const QString object = blockObject(drive.device);
    if (object.isEmpty())
        return unchanged;
    QVariantMap options;
    if (const QString oldLabel = label(object); !oldLabel.isEmpty())
        options.insert(QStringLiteral("label"), oldLabel);
    if (!call(object, filesystemInterface, QStringLiteral("Unmount"), {QVariantMap{}}))
        return unchanged;
    const bool formatted =
        call(object, blockInterface, QStringLiteral("Format"), {QStringLiteral("vfat"), options}, formatTimeoutMs)
            .has_value();
    return {.formatted = formatted, .root = mount(object)};
}
