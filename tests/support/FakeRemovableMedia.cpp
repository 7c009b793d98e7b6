#include "support/FakeRemovableMedia.h"

#include "platform/LinuxRemovableMedia.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

RemovableDrive FakeRemovableMedia::medium(const QString& name, std::uint64_t blockSize, std::uint64_t blockCount)
{
    const QString root = dir_.filePath(name) + QLatin1Char('/');
    EXPECT_TRUE(QDir().mkpath(root)) << root.toStdString();
    drives_.push_back({.root = root, .device = QStringLiteral("/dev/fake-") + name, .readable = true,
                       .blockSize = blockSize, .blockCount = blockCount});
    return drives_.back();
}

RemovableDrive FakeRemovableMedia::ohneMedium(const QString& device)
{
    drives_.push_back({.root = device, .device = device});
    return drives_.back();
}

QString FakeRemovableMedia::prepare(const RemovableDrive& drive)
{
    vorbereitet_ << drive.root;
    removeEverythingBelow(drive.root);
    return drive.root;
}

bool FakeRemovableMedia::copyFile(const QString& from, const QString& to)
{
    if (kopierenScheitert_)
        return false;
    QFile::remove(to);
    return QFile::copy(from, to);
}
