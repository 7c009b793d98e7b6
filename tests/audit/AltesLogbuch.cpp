#include "AltesLogbuch.h"

#include "db/Database.h"
#include "logbuch/Logbuch.h"
#include "logbuch/schema/Schema.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

QString altesLogbuch(const QString& verzeichnis, const QString& name)
{
    const QString pfad = QDir(verzeichnis).filePath(name);
    {
        QFile datei(pfad);
        EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
    }
    Logbuch::wieVorgefunden(pfad, Database::Access::ReadWrite);
    Schema::create(1);
    Database::schliessen();
    return pfad;
}
