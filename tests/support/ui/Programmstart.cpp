#include "support/ui/Programmstart.h"

#include "admin/SicherungStore.h"
#include "app/THauptform.h"
#include "db/Database.h"
#include "platform/FileOperations.h"
#include "support/ui/Fensterhilfen.h"

#include <QDir>

void Programmstart::SetUp()
{
    build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf")});
    sicherung = QDir(ablage.path()).filePath(QStringLiteral("20060105_090307.sav"));
    SicherungStore::sichern(sicherung, FileOperations::system());
    Database::schliessen();
}

void Programmstart::starten()
{
    varno.starten(false);
    aktivieren(*varno.hauptform());
}
