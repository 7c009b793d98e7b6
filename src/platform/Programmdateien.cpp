#include "platform/Programmdateien.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace programmdateien {

namespace {
// Set by the build from the install layout, "../share/varno" with the usual one.
QString installierterOrdner(const QString& programmordner)
{
    return QDir::cleanPath(QDir(programmordner).filePath(QStringLiteral(VARNO_DATEN_RELATIV)));
}
} // namespace

bool installiert(const QString& programmordner)
{
    return QFileInfo(installierterOrdner(programmordner)).isDir();
}

QString ordner(const QString& programmordner)
{
    return installiert(programmordner) ? installierterOrdner(programmordner) : programmordner;
}

QString datei(const QString& name)
{
    return QDir(ordner(QCoreApplication::applicationDirPath())).filePath(name);
}

} // namespace programmdateien
