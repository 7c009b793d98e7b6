#include "card/Datendatei.h"

#include "card/KartenimportStore.h"
#include "card/datafile/CardFile.h"
#include "common/Prompts.h"

#include <QFile>

namespace datendatei {

std::filesystem::path pfad(const QString& pfad)
{
    return std::filesystem::path(QFile::encodeName(pfad).toStdString());
}

bool pruefen(const QString& dateiname)
{
    switch (cardfile::checkIdentity(pfad(dateiname))) {
    case cardfile::FileIdentity::Unreadable:
        prompt::warning(QStringLiteral("Fehler bei Dateizugriff"));
        return false;
    case cardfile::FileIdentity::NotDataFile:
        prompt::warning(QStringLiteral("keine Varno Datendatei"));
        return false;
    case cardfile::FileIdentity::DataFile:
        break;
    }
    KartenimportStore::datendateiPfadMerken(dateiname);
    return true;
}

} // namespace datendatei
