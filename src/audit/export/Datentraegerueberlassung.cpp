#include "audit/export/Datentraegerueberlassung.h"

#include "audit/Pruefstand.h"
#include "audit/Verankerung.h"
#include "audit/export/Beschreibungsstandard.h"
#include "audit/export/Prueftabellen.h"
#include "common/CsvSchreiber.h"
#include "common/GermanFormat.h"
#include "common/VarnoError.h"
#include "db/Lesestand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <QTemporaryDir>

namespace datentraegerueberlassung {

namespace {

// The folder as a clean absolute path: a trailing slash, as the shell completes it, names the
// same folder.
QString zielpfad(const QString& ordner)
{
    return QDir::cleanPath(QFileInfo(ordner).absoluteFilePath());
}

QString nativ(const QString& pfad)
{
    return QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath());
}

void dateiSchreiben(const QString& pfad, const QByteArray& inhalt)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size() || !datei.commit())
        throw VarnoError(
            QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2").arg(nativ(pfad), datei.errorString()));
}

void tabelleSchreiben(const QDir& ordner, const Exporttabelle& tabelle, const Exportzeitraum& zeitraum)
{
    CsvSchreiber::inDatei(ordner.filePath(tabelle.datei), [&](CsvSchreiber& csv) {
        QStringList kopf;
        for (const Exportspalte& spalte : tabelle.spalten)
            kopf << spalte.name;
        csv.zeile(kopf);
        tabelle.zeilen(csv, zeitraum);
    });
}

beschreibungsstandard::Lieferung lieferung(const Exportzeitraum& zeitraum)
{
    const QString umfang =
        zeitraum.fahrzeug ? QStringLiteral("Fahrzeug %1").arg(zeitraum.kennzeichen) : QStringLiteral("alle Fahrzeuge");
    return {QStringLiteral("Varno %1").arg(QCoreApplication::applicationVersion()), verankerung::logbuchname(),
            QStringLiteral("Elektronisches Fahrtenbuch vom %1 bis %2, %3")
                .arg(german::date(zeitraum.von), german::date(zeitraum.bis), umfang),
            QStringLiteral("Fahrtenbuch %1 bis %2").arg(german::date(zeitraum.von), german::date(zeitraum.bis))};
}

// Everything the folder holds, read from one state of the logbook. That state is anchored first,
// so the export's anchors include the one of the data it holds.
void inhaltSchreiben(const QDir& ordner, const Exportzeitraum& zeitraum, const std::function<void(int)>& fortschritt)
{
    const Lesestand stand;
    Pruefstand pruefung;
    // A failed anchor is named by the next start and "varno pruefen"; it never stops the export.
    verankerung::festhalten(pruefung, QStringLiteral("Betriebsprüfung"));
    const std::vector<Exporttabelle> tabellen = prueftabellen();
    for (std::size_t i = 0; i < tabellen.size(); ++i) {
        tabelleSchreiben(ordner, tabellen[i], zeitraum);
        if (fortschritt)
            fortschritt(static_cast<int>(100 * (i + 1) / (tabellen.size() + 1)));
    }
    const QByteArray dtd = beschreibungsstandard::dtd();
    if (dtd.isEmpty())
        throw VarnoError(QStringLiteral("Die DTD des Beschreibungsstandards fehlt im Programm."));
    dateiSchreiben(ordner.filePath(QLatin1String(beschreibungsstandard::dtdName)), dtd);
    dateiSchreiben(ordner.filePath(QLatin1String(beschreibungsstandard::indexName)),
                   beschreibungsstandard::indexXml(tabellen, zeitraum, lieferung(zeitraum)));
    if (fortschritt)
        fortschritt(100);
}

// Gives the finished folder its name; an empty folder there gives way.
void umbenennen(QTemporaryDir& arbeit, const QString& ordner)
{
    const QFileInfo ziel(ordner);
    if (ziel.exists() && !QDir().rmdir(ziel.absoluteFilePath()))
        throw VarnoError(QStringLiteral("Der Ordner %1 konnte nicht ersetzt werden.").arg(nativ(ordner)));
    if (!QDir().rename(arbeit.path(), ziel.absoluteFilePath()))
        throw VarnoError(QStringLiteral("Der Ordner %1 konnte nicht angelegt werden.").arg(nativ(ordner)));
    arbeit.setAutoRemove(false);
}

} // namespace

std::optional<QString> zielMangel(const QString& ordner)
{
    const QFileInfo ziel(zielpfad(ordner));
    if (!ziel.exists() && !ziel.isSymLink())
        return std::nullopt;
    if (!ziel.isDir() || ziel.isSymLink())
        return QStringLiteral("%1 ist kein Ordner. Der Export braucht einen neuen, leeren Ordner.").arg(nativ(ordner));
    if (!QDir(ordner).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return QStringLiteral("Der Ordner %1 ist nicht leer. Der Export für die Betriebsprüfung braucht einen neuen, "
                              "leeren Ordner, damit nichts Fremdes zu den Daten gerät.")
            .arg(nativ(ordner));
    return std::nullopt;
}

void schreiben(const QString& ordner, const Exportzeitraum& zeitraum, const std::function<void(int)>& fortschritt)
{
    if (const auto mangel = zielMangel(ordner))
        throw VarnoError(*mangel);
    const QFileInfo ziel(zielpfad(ordner));
    QTemporaryDir arbeit(ziel.absolutePath() + QStringLiteral("/.") + ziel.fileName() + QStringLiteral("-XXXXXX"));
    if (!arbeit.isValid())
        throw VarnoError(QStringLiteral("Im Ordner %1 kann nichts angelegt werden: %2")
                             .arg(nativ(ziel.absolutePath()), arbeit.errorString()));
    inhaltSchreiben(QDir(arbeit.path()), zeitraum, fortschritt);
    umbenennen(arbeit, ziel.filePath());
}

} // namespace datentraegerueberlassung
