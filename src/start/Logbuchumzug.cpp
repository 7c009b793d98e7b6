#include "start/Logbuchumzug.h"

#include "db/Database.h"
#include "platform/FileOperations.h"

#include <QDir>
#include <QFileInfo>

#include <utility>
#include <vector>

namespace {

using Paare = std::vector<std::pair<QString, QString>>;

Paare mitBegleitdateien(const QString& von, const QString& nach)
{
    Paare paare{{von, nach}};
    const QStringList quellen = Database::companionFiles(von);
    const QStringList ziele = Database::companionFiles(nach);
    for (qsizetype i = 0; i < quellen.size(); ++i)
        paare.emplace_back(quellen.at(i), ziele.at(i));
    return paare;
}

} // namespace

void logbuchVerschieben(const QString& von, const QString& nach, FileOperations& dateien)
{
    if (QFileInfo::exists(nach))
        throw FileError(
            QStringLiteral("Am Ziel %1 liegt bereits ein Fahrtenbuch.").arg(QDir::toNativeSeparators(nach)));
    const Paare paare = mitBegleitdateien(von, nach);
    try {
        // A journal left at the target from elsewhere would be applied to the moved logbook.
        for (const auto& [quelle, ziel] : paare) {
            if (QFileInfo::exists(quelle))
                dateien.copyReplacing(quelle, ziel);
            else
                dateien.removeIfExists(ziel);
        }
    } catch (...) {
        for (const auto& [quelle, ziel] : paare)
            if (QFileInfo::exists(quelle))
                dateien.removeIfExists(ziel);
        throw;
    }
    for (const auto& [quelle, ziel] : paare)
        dateien.removeIfExists(quelle);
}
