#pragma once

#include "evaluation/BerichtStore.h"
#include "evaluation/Fahrtenliste.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

// One output column of a listed trip: its title and where its value comes from. The trip list on
// screen, its CSV file and the printed report take their values through these columns, so a
// header cannot go apart from its rows. The columns are a fixed table of plain values: writing a
// hundred thousand rows through them allocates nothing per row.
struct Fahrtspalte {
    enum class Quelle {
        DatumUndZeit, // "24.12.2005 14:05:00"; empty for a trip without real times
        Uhrzeit,      // "14:05:00"; likewise
        Name,         // a master row's name, by the trip's ID
        Zahl,         // a whole number of the trip
        Zeichen,      // "x" where the trip has the mark
        Zusatz,       // a text read beside the list (Fahrtenzusatz); not in the list on screen
        Pruefwert,    // the trip's chain value, read beside the list likewise
    };

    const char* titel; // UTF-8
    Quelle quelle;
    std::optional<zeitpunkt::Sekunden> GelisteteFahrt::*zeit = nullptr;
    int GelisteteFahrt::*id = nullptr;
    QHash<int, QString> Stammnamen::*namen = nullptr;
    qint64 (*zahl)(const GelisteteFahrt&) = nullptr;
    bool GelisteteFahrt::*zeichen = nullptr;
    std::vector<QString> Fahrtenzusatz::*zusatz = nullptr;

    // The list's twelve columns, in the order of Fahrtenliste::Spalte.
    static std::span<const Fahrtspalte> liste();
    // The file's columns: the list's, then the kind of trip as a word, the distance, the entry
    // time, who stored the trip, the full remark and the trip's chain value.
    static std::span<const Fahrtspalte> datei();

    // The titles of the columns, a header row.
    static QStringList kopf(std::span<const Fahrtspalte> spalten);

    // The cell as the list shows it; an unmarked "Zeichen" column shows a single blank there.
    QString zelle(const GelisteteFahrt& fahrt, const Stammnamen& namen) const;
    // The name a "Name" column shows for the trip; empty for an unknown ID.
    const QString& name(const GelisteteFahrt& fahrt, const Stammnamen& namen) const;
    // The time a time column shows; none for a trip without real times.
    std::optional<zeitpunkt::Sekunden> gezeigteZeit(const GelisteteFahrt& fahrt) const;
};

// The columns in the file's order, the list's first. A constant, so a writer can run through it at
// compile time and each row costs no more than writing its fields by hand.
inline constexpr Fahrtspalte fahrtspalten[] = {
    {.titel = "Abfahrt", .quelle = Fahrtspalte::Quelle::DatumUndZeit, .zeit = &GelisteteFahrt::abfahrt},
    {.titel = "Ankunft", .quelle = Fahrtspalte::Quelle::Uhrzeit, .zeit = &GelisteteFahrt::ankunft},
    {.titel = "von", .quelle = Fahrtspalte::Quelle::Name, .id = &GelisteteFahrt::start, .namen = &Stammnamen::orte},
    {.titel = "nach", .quelle = Fahrtspalte::Quelle::Name, .id = &GelisteteFahrt::ziel, .namen = &Stammnamen::orte},
    {.titel = "KM-Abf.",
     .quelle = Fahrtspalte::Quelle::Zahl,
     .zahl = [](const GelisteteFahrt& f) -> qint64 { return f.kmAb; }},
    {.titel = "KM-Ank.",
     .quelle = Fahrtspalte::Quelle::Zahl,
     .zahl = [](const GelisteteFahrt& f) -> qint64 { return f.kmAn; }},
    {.titel = "Fahrzeug",
     .quelle = Fahrtspalte::Quelle::Name,
     .id = &GelisteteFahrt::fahrzeug,
     .namen = &Stammnamen::fahrzeuge},
    {.titel = "Fahrer",
     .quelle = Fahrtspalte::Quelle::Name,
     .id = &GelisteteFahrt::fahrer,
     .namen = &Stammnamen::fahrer},
    {.titel = "Zweck", .quelle = Fahrtspalte::Quelle::Name, .id = &GelisteteFahrt::zweck, .namen = &Stammnamen::zwecke},
    {.titel = "Kategorie",
     .quelle = Fahrtspalte::Quelle::Name,
     .id = &GelisteteFahrt::kategorie,
     .namen = &Stammnamen::kategorien},
    {.titel = "Art", .quelle = Fahrtspalte::Quelle::Name, .id = &GelisteteFahrt::art, .namen = &Stammnamen::artKuerzel},
    {.titel = "Bem", .quelle = Fahrtspalte::Quelle::Zeichen, .zeichen = &GelisteteFahrt::mitBemerkung},
    // Only in the file:
    {.titel = "Fahrtart",
     .quelle = Fahrtspalte::Quelle::Name,
     .id = &GelisteteFahrt::art,
     .namen = &Stammnamen::artNamen},
    {.titel = "Kilometer",
     .quelle = Fahrtspalte::Quelle::Zahl,
     .zahl = [](const GelisteteFahrt& f) { return qint64(f.kmAn) - f.kmAb; }},
    {.titel = "Erfasst", .quelle = Fahrtspalte::Quelle::Zusatz, .zusatz = &Fahrtenzusatz::erfassungen},
    {.titel = "Gespeichert von", .quelle = Fahrtspalte::Quelle::Zusatz, .zusatz = &Fahrtenzusatz::speichernde},
    {.titel = "Bemerkung", .quelle = Fahrtspalte::Quelle::Zusatz, .zusatz = &Fahrtenzusatz::bemerkungen},
    {.titel = "Prüfwert", .quelle = Fahrtspalte::Quelle::Pruefwert},
};
