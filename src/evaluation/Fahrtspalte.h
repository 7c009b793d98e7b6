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
