#include "start/Logbuchordner.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

// Only a real file shows whether a folder takes new files: permissions say nothing for root or on
// a read-only mount.
bool nimmtDateienAuf(const QString& ordner)
{
    QTemporaryFile probe(QDir(ordner).filePath(QStringLiteral(".varno-probe-XXXXXX")));
    return probe.open();
}

} // namespace

std::optional<QString> logbuchordnerBereitstellen(const QString& logbuch)
{
    const QFileInfo datei(logbuch);
    const QString ordner = QDir::toNativeSeparators(datei.absolutePath());
    if (datei.isDir())
        return QStringLiteral("%1 ist ein Ordner und kann nicht das Fahrtenbuch sein. Varno wird beendet.")
            .arg(QDir::toNativeSeparators(datei.absoluteFilePath()));
    if (!QDir().mkpath(datei.absolutePath()))
        return QStringLiteral("Der Ordner %1 für das Fahrtenbuch kann nicht angelegt werden. Varno wird beendet.")
            .arg(ordner);
    if (!nimmtDateienAuf(datei.absolutePath()))
        return QStringLiteral("In den Ordner %1 für das Fahrtenbuch kann nicht geschrieben werden. Varno wird beendet.")
            .arg(ordner);
    return std::nullopt;
}
