#include "common/Exportziel.h"

#include "common/VarnoError.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace exportziel {

namespace {

// Linux follows at most 40 links on one path; a longer chain is a loop.
constexpr int meisteVerknuepfungen = 40;

QString nativ(const QString& pfad)
{
    return QDir::toNativeSeparators(pfad);
}

[[noreturn]] void verweigern(const QString& pfad, const QString& grund)
{
    throw VarnoError(QStringLiteral("In %1 wird nicht geschrieben: %2").arg(nativ(pfad), grund));
}

QString keineDatei(mode_t art)
{
    if (S_ISDIR(art))
        return QStringLiteral("das ist ein Ordner, keine Datei.");
    if (S_ISCHR(art) || S_ISBLK(art))
        return QStringLiteral("das ist ein Gerät, keine Datei.");
    if (S_ISFIFO(art))
        return QStringLiteral("das ist eine benannte Pipe (FIFO), keine Datei.");
    if (S_ISSOCK(art))
        return QStringLiteral("das ist ein Socket, keine Datei.");
    return QStringLiteral("das ist keine gewöhnliche Datei.");
}

// The path a link points to, relative targets taken from the link's own folder.
QString verknuepfungsziel(const QString& pfad)
{
    const QString ziel = QFile::symLinkTarget(pfad);
    if (ziel.isEmpty())
        verweigern(pfad, QStringLiteral("die symbolische Verknüpfung lässt sich nicht lesen."));
    return ziel;
}

} // namespace

QString aufloesen(const QString& pfad, bool verknuepfungFolgen)
{
    QString aktuell = pfad;
    for (int schritt = 0; schritt <= meisteVerknuepfungen; ++schritt) {
        struct stat info {};
        if (::lstat(QFile::encodeName(aktuell).constData(), &info) != 0) {
            if (errno == ENOENT)
                return aktuell;
            verweigern(pfad, QString::fromLocal8Bit(std::strerror(errno)) + QLatin1Char('.'));
        }
        if (S_ISREG(info.st_mode))
            return aktuell;
        if (!S_ISLNK(info.st_mode))
            verweigern(pfad, keineDatei(info.st_mode));
        if (!verknuepfungFolgen)
            verweigern(pfad, QStringLiteral("das ist eine symbolische Verknüpfung; mit --folgen wird in die Datei "
                                            "geschrieben, auf die sie zeigt."));
        aktuell = verknuepfungsziel(aktuell);
    }
    verweigern(pfad, QStringLiteral("die symbolischen Verknüpfungen bilden eine Schleife."));
}

} // namespace exportziel
