#include "evaluation/report/Fahrtenbuchdateien.h"

#include "audit/Pruefstand.h"
#include "audit/Verankerung.h"
#include "common/CsvSchreiber.h"
#include "common/VarnoError.h"
#include "evaluation/AuswertungStore.h"
#include "evaluation/BerichtStore.h"
#include "evaluation/Exportname.h"
#include "evaluation/Fahrtenexport.h"
#include "evaluation/report/Berichtsfahrten.h"
#include "evaluation/report/PdfExport.h"
#include "evaluation/report/Pruefvermerk.h"
#include "evaluation/report/ReportLayout.h"

#include <QDir>

#include <limits>

namespace fahrtenbuchdateien {

Fahrtenfilter filter(int fahrzeug, const QDate& von, const QDate& bis)
{
    Fahrtenfilter f;
    f.fahrzeug = fahrzeug;
    f.ohneMusterfahrzeug = false;
    f.kmAb = std::numeric_limits<int>::min();
    f.kmAn = std::numeric_limits<int>::max();
    f.abfahrtAb = filtergrenzen::abfahrtAb(von);
    f.abfahrtBis = filtergrenzen::ankunftBis(bis);
    f.ankunftBis = filtergrenzen::ankunftBis(QDate(9999, 12, 31));
    return f;
}

std::optional<int> jahr(const QString& text, const QDate& heute)
{
    const QString ziffern = text.trimmed();
    bool zahl = false;
    const int wert = ziffern.toInt(&zahl);
    if (!zahl || ziffern.size() != 4 || wert < filtergrenzen::fruehesterTag().year() || wert > heute.year())
        return std::nullopt;
    return wert;
}

QString jahrFehler(const QDate& heute)
{
    return QStringLiteral("Bitte geben Sie ein Jahr von %1 bis %2 ein.")
        .arg(filtergrenzen::fruehesterTag().year())
        .arg(heute.year());
}

Auftrag jahresauftrag(int fahrzeug, const QString& kennzeichen, int jahr, const QString& ordner)
{
    const QDir ziel(ordner);
    const QString art = QStringLiteral("Fahrtenbuch");
    const QString zeitraum = QString::number(jahr);
    return {fahrzeug,
            kennzeichen,
            QDate(jahr, 1, 1),
            QDate(jahr, 12, 31),
            ziel.filePath(exportname::dateiname(art, kennzeichen, zeitraum, QStringLiteral("pdf"))),
            ziel.filePath(exportname::dateiname(art, kennzeichen, zeitraum, QStringLiteral("csv")))};
}

namespace {

void berichtSchreiben(const Auftrag& auftrag, const Fahrtenliste& liste, const Fahrtenzusatz& zusatz, Pruefstand& stand)
{
    FahrtenBerichtDaten daten;
    daten.kfz = auftrag.kennzeichen;
    daten.fahrer = QStringLiteral("alle");
    daten.abDatum = auftrag.von;
    daten.anDatum = auftrag.bis;
    daten.fahrten = berichtsfahrten(liste, zusatz.bemerkungen, zusatz.erfassungen);
    daten.summen = artSummen(daten.fahrten);
    daten.korrekturen = berichtskorrekturen(auftrag.fahrzeug, false, filtergrenzen::abfahrtAb(auftrag.von),
                                            filtergrenzen::ankunftBis(auftrag.bis));
    ReportDefinition bericht = TQuickReport::bericht(daten);
    pruefvermerkEinfuegen(bericht, stand.vermerk());
    writePdf(layOutReport(bericht), auftrag.pdf);
}

} // namespace

namespace {

// The state the files show; none when the logbook is changed or cannot be checked.
std::optional<pruefkette::Koepfe> geprueft(Pruefstand& stand)
{
    try {
        const Pruefergebnis& ergebnis = stand.aktuell();
        if (ergebnis.unveraendert())
            return ergebnis.koepfe;
    } catch (const VarnoError&) {
    }
    return std::nullopt;
}

} // namespace

std::optional<zeitstempelung::Ergebnis> schreiben(const Auftrag& auftrag, const std::function<void(int)>& fortschritt)
{
    const Fahrtenliste liste = AuswertungStore().fahrten(filter(auftrag.fahrzeug, auftrag.von, auftrag.bis));
    const Fahrtenzusatz zusatz = BerichtStore().fahrtenzusatz(liste);
    Pruefstand stand;
    if (!auftrag.pdf.isEmpty())
        berichtSchreiben(auftrag, liste, zusatz, stand);
    if (!auftrag.csv.isEmpty())
        CsvSchreiber::inDatei(auftrag.csv, [&](CsvSchreiber& csv) { fahrtenexport::schreiben(csv, liste, zusatz); });
    // The next start and "varno pruefen" name what went wrong with the anchor file.
    verankerung::festhalten(stand, QStringLiteral("Jahresfahrtenbuch"));
    return zeitstempelung::anfordern({.koepfe = geprueft(stand),
                                      .anlass = QStringLiteral("Jahresfahrtenbuch"),
                                      .datei = auftrag.pdf.isEmpty() ? auftrag.csv : auftrag.pdf,
                                      .fortschritt = fortschritt});
}

} // namespace fahrtenbuchdateien
