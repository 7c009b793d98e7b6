#include "card/Datendatei.h"

#include "card/datafile/CardFile.h"
#include "common/Prompts.h"
#include "logbuch/OptionenStore.h"

#include <QFile>

namespace datendatei {

std::filesystem::path pfad(const QString& pfad)
{
    return std::filesystem::path(QFile::encodeName(pfad).toStdString());
}

std::optional<QString> mangel(const QString& dateiname)
{
    switch (cardfile::checkIdentity(pfad(dateiname))) {
    case cardfile::FileIdentity::Unreadable:
        return QStringLiteral("Fehler bei Dateizugriff");
    case cardfile::FileIdentity::NotDataFile:
        return QStringLiteral("keine Varno Datendatei");
    case cardfile::FileIdentity::DataFile:
        break;
    }
    return std::nullopt;
}

bool pruefen(const QString& dateiname)
{
    if (const auto fehler = mangel(dateiname)) {
        prompt::warning(*fehler);
        return false;
    }
    OptionenStore::datendateiPfadMerken(dateiname);
    return true;
}

} // namespace datendatei
