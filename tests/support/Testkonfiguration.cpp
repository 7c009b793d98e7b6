#include "support/Testkonfiguration.h"

#include <QFile>

#include <cstdlib>

Testkonfiguration::Testkonfiguration()
{
    setenv("XDG_CONFIG_HOME", QFile::encodeName(ordner_.filePath(QStringLiteral("config"))).constData(), 1);
    setenv("XDG_DATA_HOME", QFile::encodeName(ordner_.filePath(QStringLiteral("daten"))).constData(), 1);
}
