#include "start/Logbuchstart.h"

#include "common/Prompts.h"
#include "start/Logbuchordner.h"
#include "start/Logbuchort.h"
#include "db/Serveradresse.h"
#include "start/Logbuchumzug.h"
#include "platform/FileOperations.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool verschiebenGewuenscht(const Logbuchort& ort)
{
    return prompt::confirm(
        QStringLiteral("Fahrtenbuch verschieben"),
        QStringLiteral(
            "Im Arbeitsordner liegt ein Fahrtenbuch:\n%1\n\nVarno führt das Fahrtenbuch jetzt im Ordner\n%2\n\n"
            "Soll es dorthin verschoben werden? Sonst bleibt die Datei, wo sie ist, und Varno benutzt sie nicht.")
            .arg(QDir::toNativeSeparators(ort.altesLogbuch),
                 QDir::toNativeSeparators(QFileInfo(ort.datei).absolutePath())));
}

} // namespace

bool logbuchBereitstellen(const Logbuchort& ort, FileOperations& dateien)
{
    // A server keeps its logbook itself; there is no folder to prepare.
    if (istServeradresse(ort.datei))
        return true;
    if (const auto mangel = logbuchordnerBereitstellen(ort.datei)) {
        prompt::error(*mangel);
        return false;
    }
    if (ort.altesLogbuch.isEmpty() || !verschiebenGewuenscht(ort))
        return true;
    try {
        logbuchVerschieben(ort.altesLogbuch, ort.datei, dateien);
    } catch (const FileError& fehler) {
        prompt::error(QStringLiteral("Das Fahrtenbuch konnte nicht verschoben werden:\n%1\n\nVarno wird beendet.")
                          .arg(fehler.message()));
        return false;
    }
    return true;
}
