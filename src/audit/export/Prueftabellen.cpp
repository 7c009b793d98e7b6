#include "audit/export/Prueftabellen.h"

#include "audit/export/Ankertabelle.h"
#include "audit/export/Fahrtfassungen.h"
#include "audit/export/UeberlassungStore.h"
#include "audit/export/Zeitstempeltabelle.h"

namespace {

using Art = Exportspalte::Art;

Exportspalte id(const QString& beschreibung)
{
    return {QStringLiteral("ID"), beschreibung, Art::Zahl};
}

Exportspalte bezeichnung(const QString& beschreibung)
{
    return {QStringLiteral("Bezeichnung"), beschreibung};
}

// A table exported whole, as stored, with its ID as key.
Exporttabelle stammtabelle(const QString& datei, const QString& tabelle, const QString& beschreibung,
                           std::vector<Exportspalte> spalten)
{
    Exporttabelle t{datei, tabelle, beschreibung, std::move(spalten), 1, {}};
    t.zeilen = [tabelle, spalten = t.spalten](CsvSchreiber& csv, const Exportzeitraum&) {
        UeberlassungStore::alleZeilen(csv, tabelle, spalten);
    };
    return t;
}

Exporttabelle fahrtenbuch()
{
    return {QStringLiteral("fahrtenbuch.csv"),
            QStringLiteral("Fahrtenbuch"),
            QStringLiteral("Die Fahrten des Zeitraums in jeder Fassung: aktuell, durch eine Korrektur ersetzt oder "
                           "storniert, mit Erfassungszeit, Benutzer, Grund und Kettenwert; Namen wie das Programm "
                           "sie zeigt"),
            fahrtfassungen::spalten(),
            1,
            fahrtfassungen::schreiben};
}

Exporttabelle rohfahrten()
{
    Exporttabelle t{QStringLiteral("rohfahrten.csv"),
                    QStringLiteral("T_basis"),
                    QStringLiteral("Die von Speicherkarten übernommenen Rohfahrten des Zeitraums, wie gespeichert"),
                    {id(QStringLiteral("Nummer der Rohfahrt")),
                     {QStringLiteral("CFID"), QStringLiteral("Kennung der Speicherkarte")},
                     {QStringLiteral("Einlesedat"), QStringLiteral("wann die Karte gelesen wurde"), Art::Zeitpunkt},
                     {QStringLiteral("Startzeit"), QStringLiteral("Abfahrt laut Fahrtenschreiber"), Art::Zeitpunkt},
                     {QStringLiteral("Startkm"), QStringLiteral("Kilometerstand bei der Abfahrt"), Art::Zahl},
                     {QStringLiteral("Zielzeit"), QStringLiteral("Ankunft laut Fahrtenschreiber"), Art::Zeitpunkt},
                     {QStringLiteral("Zielkm"), QStringLiteral("Kilometerstand bei der Ankunft"), Art::Zahl},
                     {QStringLiteral("KFZid"), QStringLiteral("Fahrzeugschlüssel des Fahrtenschreibers")},
                     {QStringLiteral("CF"), QStringLiteral("Fahrernummer der Karte"), Art::Zahl},
                     {QStringLiteral("Art"), QStringLiteral("Kürzel der Fahrtart")},
                     {QStringLiteral("Ort"), QStringLiteral("Ort laut Fahrtenschreiber")},
                     {QStringLiteral("Grund"), QStringLiteral("Zweck laut Fahrtenschreiber")},
                     {QStringLiteral("Kat"), QStringLiteral("Kategorie laut Fahrtenschreiber")},
                     {QStringLiteral("bearbeitet"), QStringLiteral("1: ins Fahrtenbuch übernommen"), Art::Zahl},
                     {QStringLiteral("Erfasst"), QStringLiteral("Zeitpunkt der Speicherung"), Art::Zeitpunkt},
                     {QStringLiteral("Benutzer"), QStringLiteral("wer die Rohfahrt gespeichert hat")},
                     {QStringLiteral("Laufnr"), QStringLiteral("laufende Nummer aller Kettenglieder"), Art::Zahl},
                     {QStringLiteral("Pruefwert"), QStringLiteral("gespeicherter Kettenwert (SHA-256)")}},
                    1,
                    {}};
    t.zeilen = [spalten = t.spalten](CsvSchreiber& csv, const Exportzeitraum& zeitraum) {
        UeberlassungStore::rohfahrten(csv, spalten, zeitraum);
    };
    return t;
}

Exporttabelle protokoll()
{
    return stammtabelle(QStringLiteral("protokoll.csv"), QStringLiteral("T_Protokoll"),
                        QStringLiteral("Das ganze Protokoll: Korrekturen, Stornierungen, übernommene Speicherkarten, "
                                       "Rücksicherungen und Änderungen an Stammdaten, verkettet wie die Fahrten"),
                        {id(QStringLiteral("Nummer des Eintrags")),
                         {QStringLiteral("Zeit"), QStringLiteral("Zeitpunkt des Eintrags"), Art::Zeitpunkt},
                         {QStringLiteral("Ereignis"), QStringLiteral("Art des Eintrags")},
                         {QStringLiteral("Beschreibung"), QStringLiteral("was geschah")},
                         {QStringLiteral("Benutzer"), QStringLiteral("wer den Eintrag gespeichert hat")},
                         {QStringLiteral("Laufnr"), QStringLiteral("laufende Nummer aller Kettenglieder"), Art::Zahl},
                         {QStringLiteral("Pruefwert"), QStringLiteral("gespeicherter Kettenwert (SHA-256)")}});
}

std::vector<Exporttabelle> stammtabellen()
{
    return {
        stammtabelle(
            QStringLiteral("fahrzeuge.csv"), QStringLiteral("T_KFZ"), QStringLiteral("Fahrzeuge"),
            {id(QStringLiteral("Nummer des Fahrzeugs")),
             {QStringLiteral("KZuFzg"), QStringLiteral("Kennzeichen und Bezeichnung")},
             {QStringLiteral("AnfKM"), QStringLiteral("Kilometerstand zu Beginn"), Art::Zahl},
             {QStringLiteral("InspKM"), QStringLiteral("Kilometerstand der Inspektion"), Art::Zahl},
             {QStringLiteral("InspDat"), QStringLiteral("Datum der Inspektion"), Art::Zeitpunkt},
             {QStringLiteral("Eingabeart"), QStringLiteral("0 Handeingabe, 1 Speicherkarte, 2 Mirel"), Art::Zahl},
             {QStringLiteral("KFZID"), QStringLiteral("Fahrzeugnummer im Fahrtenschreiber"), Art::Zahl},
             {QStringLiteral("Abgeschlossen"), QStringLiteral("1: abgeschlossen"), Art::Zahl}}),
        stammtabelle(QStringLiteral("fahrer.csv"), QStringLiteral("T_Fahrer"), QStringLiteral("Fahrer"),
                     {id(QStringLiteral("Nummer des Fahrers")),
                      bezeichnung(QStringLiteral("Name")),
                      {QStringLiteral("Bemerkung"), QStringLiteral("Bemerkung")}}),
        stammtabelle(QStringLiteral("orte.csv"), QStringLiteral("T_ORTE"), QStringLiteral("Orte"),
                     {id(QStringLiteral("Nummer des Orts")), bezeichnung(QStringLiteral("Name des Orts"))}),
        stammtabelle(QStringLiteral("zwecke.csv"), QStringLiteral("T_ZWECK"), QStringLiteral("Zwecke"),
                     {id(QStringLiteral("Nummer des Zwecks")), bezeichnung(QStringLiteral("Zweck"))}),
        stammtabelle(QStringLiteral("kategorien.csv"), QStringLiteral("T_Kategorie"), QStringLiteral("Kategorien"),
                     {id(QStringLiteral("Nummer der Kategorie")), bezeichnung(QStringLiteral("Kategorie"))}),
        stammtabelle(QStringLiteral("fahrtarten.csv"), QStringLiteral("T_ART"), QStringLiteral("Fahrtarten"),
                     {id(QStringLiteral("Nummer der Fahrtart")),
                      bezeichnung(QStringLiteral("Fahrtart")),
                      {QStringLiteral("Abkuerzung"), QStringLiteral("Kürzel")}}),
    };
}

} // namespace

std::vector<Exporttabelle> prueftabellen()
{
    std::vector<Exporttabelle> tabellen{fahrtenbuch()};
    for (Exporttabelle& stamm : stammtabellen())
        tabellen.push_back(std::move(stamm));
    tabellen.push_back(rohfahrten());
    tabellen.push_back(protokoll());
    tabellen.push_back(ankertabelle());
    tabellen.push_back(zeitstempeltabelle());
    return tabellen;
}
