#include "audit/export/Fahrtfassungen.h"

#include "common/CsvSchreiber.h"
#include "common/GermanFormat.h"
#include "evaluation/AuswertungStore.h"
#include "evaluation/BerichtStore.h"

#include <limits>

namespace {

using Art = Exportspalte::Art;

// Every trip departing within the period, whatever its kind, odometer or arrival, and the
// versions that corrections and cancellations replaced.
Fahrtenfilter filter(const Exportzeitraum& zeitraum)
{
    Fahrtenfilter f;
    f.fahrzeug = zeitraum.fahrzeug;
    f.ohneMusterfahrzeug = false;
    f.mitErsetzten = true;
    f.kmAb = std::numeric_limits<int>::min();
    f.kmAn = std::numeric_limits<int>::max();
    f.abfahrtAb = filtergrenzen::abfahrtAb(zeitraum.von);
    f.abfahrtBis = filtergrenzen::ankunftBis(zeitraum.bis);
    f.ankunftBis = filtergrenzen::ankunftBis(QDate(9999, 12, 31));
    return f;
}

QString fassung(const Ersetzung* ersetzung)
{
    if (!ersetzung)
        return QStringLiteral("aktuell");
    return ersetzung->storniert ? QStringLiteral("storniert") : QStringLiteral("ersetzt");
}

// The entry time as a date column holds it: rows stored before entry times were kept have none.
QString erfassungszeit(const QString& erfasst)
{
    return german::parseDateTime(erfasst) ? erfasst : QString();
}

void zeitenSchreiben(CsvSchreiber& csv, const GelisteteFahrt& fahrt)
{
    if (Fahrtenliste::ohneZeiten(fahrt)) {
        csv.feld(QStringView());
        csv.feld(QStringView());
        return;
    }
    csv.feld(QStringView(zeitpunkt::deutschMitZeit(*fahrt.abfahrt)));
    csv.feld(QStringView(zeitpunkt::deutschMitZeit(*fahrt.ankunft)));
}

void namenSchreiben(CsvSchreiber& csv, const Stammnamen& namen, const GelisteteFahrt& fahrt)
{
    for (const QString& name :
         {namen.orte.value(fahrt.start), namen.orte.value(fahrt.ziel), namen.fahrzeuge.value(fahrt.fahrzeug),
          namen.fahrer.value(fahrt.fahrer), namen.zwecke.value(fahrt.zweck), namen.kategorien.value(fahrt.kategorie),
          namen.artNamen.value(fahrt.art)})
        csv.feld(QStringView(name));
}

} // namespace

namespace fahrtfassungen {

const std::vector<Exportspalte>& spalten()
{
    static const std::vector<Exportspalte> liste = {
        {QStringLiteral("ID"), QStringLiteral("Nummer der Fassung im Fahrtenbuch"), Art::Zahl},
        {QStringLiteral("Fassung"), QStringLiteral("aktuell, ersetzt (durch eine Korrektur) oder storniert")},
        {QStringLiteral("Abfahrt"), QStringLiteral("Datum und Uhrzeit der Abfahrt"), Art::Zeitpunkt},
        {QStringLiteral("Ankunft"), QStringLiteral("Datum und Uhrzeit der Ankunft"), Art::Zeitpunkt},
        {QStringLiteral("KM_Abfahrt"), QStringLiteral("Kilometerstand bei der Abfahrt"), Art::Zahl},
        {QStringLiteral("KM_Ankunft"), QStringLiteral("Kilometerstand bei der Ankunft"), Art::Zahl},
        {QStringLiteral("Kilometer"), QStringLiteral("gefahrene Kilometer"), Art::Zahl},
        {QStringLiteral("Von"), QStringLiteral("Abfahrtsort")},
        {QStringLiteral("Nach"), QStringLiteral("Zielort")},
        {QStringLiteral("Fahrzeug"), QStringLiteral("Kennzeichen und Bezeichnung des Fahrzeugs")},
        {QStringLiteral("Fahrer"), QStringLiteral("Fahrer")},
        {QStringLiteral("Zweck"), QStringLiteral("Zweck der Fahrt")},
        {QStringLiteral("Kategorie"), QStringLiteral("Kategorie der Fahrt")},
        {QStringLiteral("Fahrtart"), QStringLiteral("unzugeordnet, privat, Arbeitsweg oder geschäftlich")},
        {QStringLiteral("Bemerkung"), QStringLiteral("Bemerkung zur Fahrt")},
        {QStringLiteral("Erfasst"), QStringLiteral("Zeitpunkt der Speicherung; leer vor Einführung der Prüfkette"),
         Art::Zeitpunkt},
        {QStringLiteral("Benutzer"), QStringLiteral("wer die Fassung gespeichert hat; leer, bevor das festgehalten "
                                                    "wurde")},
        {QStringLiteral("Ersetzt_am"), QStringLiteral("wann die Fassung ersetzt oder storniert wurde"), Art::Zeitpunkt},
        {QStringLiteral("Grund"), QStringLiteral("Grund der Korrektur oder Stornierung")},
        {QStringLiteral("Pruefwert"), QStringLiteral("Kettenwert der Fassung (SHA-256, 64 Hexadezimalziffern), aus "
                                                     "ihrem Inhalt nachgerechnet")},
    };
    return liste;
}

void schreiben(CsvSchreiber& csv, const Exportzeitraum& zeitraum)
{
    const Fahrtenliste liste = AuswertungStore().fahrten(filter(zeitraum));
    const Fahrtenzusatz zusatz = BerichtStore().fahrtenzusatz(liste);
    for (std::size_t zeile = 0; zeile < liste.anzahl(); ++zeile) {
        const GelisteteFahrt& fahrt = liste.fahrt(zeile);
        const Ersetzung* ersetzung = liste.ersetzung(zeile);
        csv.zahl(fahrt.id);
        csv.feld(QStringView(fassung(ersetzung)));
        zeitenSchreiben(csv, fahrt);
        csv.zahl(fahrt.kmAb);
        csv.zahl(fahrt.kmAn);
        csv.zahl(qint64(fahrt.kmAn) - fahrt.kmAb);
        namenSchreiben(csv, liste.namen(), fahrt);
        csv.feld(QStringView(zusatz.bemerkungen.at(zeile)));
        csv.feld(QStringView(erfassungszeit(zusatz.erfassungen.at(zeile))));
        csv.feld(QStringView(zusatz.speichernde.at(zeile)));
        csv.feld(QStringView(ersetzung ? ersetzung->erfasst : QString()));
        csv.feld(QStringView(ersetzung ? ersetzung->grund : QString()));
        zusatz.pruefwerte.at(zeile).schreiben(csv);
        csv.zeileBeenden();
    }
}

} // namespace fahrtfassungen
