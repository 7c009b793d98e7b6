#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <optional>

// Calls to UDisks2, the disk service of Linux desktops, on the system bus.
namespace udisks {

inline const QString blockInterface = QStringLiteral("org.freedesktop.UDisks2.Block");
inline const QString filesystemInterface = QStringLiteral("org.freedesktop.UDisks2.Filesystem");

// The reply's arguments; nothing when the bus or the service is missing or the call failed.
std::optional<QVariantList> call(const QString& object, const QString& interface, const QString& method,
                                 const QVariantList& arguments, int timeoutMs = -1);

// The service's object for a device path such as "/dev/sdb1"; empty when it knows none.
QString blockObject(const QString& device);

// A property of the object's block device ("IdLabel", "IdUUID"); invalid when it cannot be read.
QVariant blockProperty(const QString& object, const QString& name);

} // namespace udisks
