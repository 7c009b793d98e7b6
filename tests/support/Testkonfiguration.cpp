#include "support/Testkonfiguration.h"

#include <QFile>

#include <cstdlib>

Testkonfiguration::Testkonfiguration()
{
    setenv("XDG_CONFIG_HOME", QFile::encodeName(ordner_.path()).constData(), 1);
}
