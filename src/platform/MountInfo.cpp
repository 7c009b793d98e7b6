#include "platform/MountInfo.h"

#include <QFile>
#include <QStringList>

namespace {

// The kernel writes blanks, tabs, newlines and backslashes in paths as three octal digits.
QString unescape(const QString& field)
{
    QByteArray bytes = field.toUtf8();
    QByteArray result;
    result.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\\' && i + 3 < bytes.size()) {
            bool ok = false;
            const int code = bytes.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                result.append(static_cast<char>(code));
                i += 3;
                continue;
            }
        }
        result.append(bytes[i]);
    }
    return QString::fromUtf8(result);
}

} // namespace

std::optional<MountEntry> parseMountInfoLine(const QString& line)
{
    // id parent major:minor root mount-point options [optional fields...] - fstype source super-options
    const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const qsizetype separator = fields.indexOf(QStringLiteral("-"), 6);
    if (fields.size() < 6 || separator < 0 || separator + 2 >= fields.size())
        return std::nullopt;
    return MountEntry{.deviceNumber = fields[2], .mountPoint = unescape(fields[4]),
                      .source = unescape(fields[separator + 2])};
}

std::vector<MountEntry> readMountInfo(const QString& path)
{
    std::vector<MountEntry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entries;
    // The proc file reports no size, so it is read line by line to its end.
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (auto entry = parseMountInfoLine(line))
            entries.push_back(*entry);
    }
    return entries;
}
