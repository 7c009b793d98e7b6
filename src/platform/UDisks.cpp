#include "platform/UDisks.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QVariantMap>

namespace udisks {

namespace {

const QString service = QStringLiteral("org.freedesktop.UDisks2");
const QString managerObject = QStringLiteral("/org/freedesktop/UDisks2/Manager");
const QString managerInterface = QStringLiteral("org.freedesktop.UDisks2.Manager");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
// Reading what the service knows is quick; a service that does not answer must not hold up the window.
constexpr int lookupTimeoutMs = 3000;

} // namespace

std::optional<QVariantList> call(const QString& object, const QString& interface, const QString& method,
                                 const QVariantList& arguments, int timeoutMs)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return std::nullopt;
    QDBusMessage message = QDBusMessage::createMethodCall(service, object, interface, method);
    message.setArguments(arguments);
    const QDBusMessage reply = bus.call(message, QDBus::Block, timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return std::nullopt;
    return reply.arguments();
}

QString blockObject(const QString& device)
{
    const auto reply = call(managerObject, managerInterface, QStringLiteral("ResolveDevice"),
                            {QVariantMap{{QStringLiteral("path"), device}}, QVariantMap{}}, lookupTimeoutMs);
    if (!reply || reply->isEmpty())
        return {};
    const auto objects = qdbus_cast<QList<QDBusObjectPath>>(reply->first());
    return objects.isEmpty() ? QString() : objects.first().path();
}

QVariant blockProperty(const QString& object, const QString& name)
{
    const auto reply =
        call(object, propertiesInterface, QStringLiteral("Get"), {blockInterface, name}, lookupTimeoutMs);
    if (!reply || reply->isEmpty())
        return {};
    return qdbus_cast<QDBusVariant>(reply->first()).variant();
}

} // namespace udisks
