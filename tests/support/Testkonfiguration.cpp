#include "support/Testkonfiguration.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

namespace {

QString& datenordner()
{
    static QString ordner;
    return ordner;
}

} // namespace

Testkonfiguration::Testkonfiguration()
{
    datenordner() = ordner_.filePath(QStringLiteral("daten"));
    setenv("XDG_CONFIG_HOME", QFile::encodeName(ordner_.filePath(QStringLiteral("config"))).constData(), 1);
    setenv("XDG_DATA_HOME", QFile::encodeName(datenordner()).constData(), 1);
}

Testkonfiguration::~Testkonfiguration()
{
    datenordner().clear();
}

void Testkonfiguration::datenordnerLeeren()
{
    if (!datenordner().isEmpty())
        QDir(datenordner()).removeRecursively();
}
