#include "platform/LeftoverTemporaries.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <sys/types.h>

namespace leftovers {

namespace {

const QStringList sqliteCompanions{QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")};

// A process that exists but belongs to another user answers EPERM: it still runs.
bool runs(qint64 pid)
{
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

} // namespace

QString temporaryName(const QString& fileName)
{
    return QStringLiteral("%1.varno-%2.XXXXXX.tmp").arg(fileName).arg(QCoreApplication::applicationPid());
}

int removeOfDeadProcesses(const QString& folder)
{
    static const QRegularExpression leftover(
        QStringLiteral(R"(^.+\.varno-(\d+)\.[A-Za-z0-9]{6}\.tmp(-journal|-wal|-shm)?$)"));
    const QDir dir(folder);
    int removed = 0;
    const QStringList names = dir.entryList({QStringLiteral("*.varno-*.tmp*")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = leftover.match(name);
        if (match.hasMatch() && !runs(match.captured(1).toLongLong()) && QFile::remove(dir.filePath(name)))
            ++removed;
    }
    return removed;
}

void removeWithCompanions(const QString& path)
{
    QFile::remove(path);
    for (const QString& suffix : sqliteCompanions)
        QFile::remove(path + suffix);
}

} // namespace leftovers
