#include "start/Logbuchort.h"

#include "db/Database.h"
#include "start/Datenbankwahl.h"
#include "db/Serveradresse.h"
#include "platform/Programmdateien.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString logbuchIn(const QString& ordner)
{
    return QDir::cleanPath(QDir(ordner).absoluteFilePath(QString::fromLatin1(Database::fileName)));
}

} // namespace

Logbuchort logbuchort(const Logbuchumgebung& umgebung, const std::function<bool(const QString&)>& existiert)
{
    if (umgebung.gewaehlt && istServeradresse(*umgebung.gewaehlt))
        return {.datei = *umgebung.gewaehlt};
    if (umgebung.gewaehlt)
        return {.datei = QDir::cleanPath(QDir(umgebung.arbeitsordner).absoluteFilePath(*umgebung.gewaehlt))};
    if (umgebung.server)
        return {.datei = *umgebung.server};
    const QString imArbeitsordner = logbuchIn(umgebung.arbeitsordner);
    if (!umgebung.installiert)
        return {.datei = imArbeitsordner};
    const QString imDatenordner = logbuchIn(umgebung.datenordner);
    const bool anbieten = existiert(imArbeitsordner) && !existiert(imDatenordner);
    return {.datei = imDatenordner, .altesLogbuch = anbieten ? imArbeitsordner : QString()};
}

Logbuchumgebung logbuchumgebung(const std::optional<QString>& gewaehlt)
{
    const Datenbankwahl wahl = Datenbankwahl::laden();
    return {.gewaehlt = gewaehlt,
            .server = wahl.server ? std::optional<QString>(wahl.adresse.text()) : std::nullopt,
            .installiert = programmdateien::installiert(QCoreApplication::applicationDirPath()),
            .arbeitsordner = QDir::currentPath(),
            .datenordner = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
}

Logbuchort logbuchort(const std::optional<QString>& gewaehlt)
{
    return logbuchort(logbuchumgebung(gewaehlt), [](const QString& pfad) { return QFileInfo::exists(pfad); });
}
