#include "platform/PosixFileOperations.h"

#include "platform/LeftoverTemporaries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

[[noreturn]] void fail(const QString& what, const QString& path, const QString& reason)
{
    throw FileError(QStringLiteral("%1 %2: %3").arg(what, QDir::toNativeSeparators(path), reason));
}

// Copies the bytes and flushes them to the disk before the caller renames the file into place.
void copyContents(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Die Datei kann nicht gelesen werden:"), source, in.errorString());
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fail(QStringLiteral("Die Datei kann nicht geschrieben werden:"), target, out.errorString());
    constexpr qint64 blockSize = 1 << 16;
    while (!in.atEnd()) {
        const QByteArray block = in.read(blockSize);
        if (block.isEmpty() && in.error() != QFileDevice::NoError)
            fail(QStringLiteral("Die Datei kann nicht gelesen werden:"), source, in.errorString());
        if (out.write(block) != block.size())
            fail(QStringLiteral("Die Datei kann nicht geschrieben werden:"), target, out.errorString());
    }
    if (!out.flush() || ::fsync(out.handle()) != 0)
        fail(QStringLiteral("Die Datei kann nicht geschrieben werden:"), target, systemReason());
}

} // namespace

FileOperations& FileOperations::system()
{
    static PosixFileOperations operations;
    return operations;
}

QString PosixFileOperations::createTemporaryBeside(const QString& target)
{
    const QFileInfo info(target);
    QTemporaryFile file(info.absoluteDir().filePath(leftovers::temporaryName(info.fileName())));
    file.setAutoRemove(false);
    if (!file.open())
        fail(QStringLiteral("Im Verzeichnis kann keine Datei angelegt werden:"), info.absolutePath(),
             file.errorString());
    return file.fileName();
}

void PosixFileOperations::copyReplacing(const QString& source, const QString& target)
{
    const QString temporary = createTemporaryBeside(target);
    try {
        copyContents(source, temporary);
        renameReplacing(temporary, target);
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
}

void PosixFileOperations::renameReplacing(const QString& from, const QString& to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        fail(QStringLiteral("Die Datei kann nicht ersetzt werden:"), to, systemReason());
}

void PosixFileOperations::removeIfExists(const QString& path)
{
    if (QFileInfo::exists(path) && !QFile::remove(path))
        fail(QStringLiteral("Die Datei kann nicht gelöscht werden:"), path, systemReason());
}
