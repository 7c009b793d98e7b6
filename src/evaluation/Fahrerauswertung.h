#pragma once

#include "evaluation/TextTabelle.h"
#include "evaluation/Zeitpunkt.h"

#include <QDate>
#include <QString>

#include <vector>

// The driver summaries: how long and how far a driver was on the road. Fahrzeit is the time spent
// driving, Standzeit the time between an arrival and the next departure of the same day, Unterwegs
// both together.
namespace fahrerauswertung {

struct Fahrt {
    zeitpunkt::Sekunden abfahrt = 0;
    zeitpunkt::Sekunden ankunft = 0;
    int kmAb = 0;
    int kmAn = 0;
};

struct Summe {
    int anzahl = 0;
    zeitpunkt::Sekunden fahrzeit = 0;
    zeitpunkt::Sekunden standzeit = 0;
    qint64 km = 0;

    zeitpunkt::Sekunden unterwegs() const { return fahrzeit + standzeit; }
    bool operator==(const Summe&) const = default;
};

// Trips in departure order.
Summe summe(const std::vector<Fahrt>& fahrten);

// One calendar day of a driver, by arrival day.
struct Tag {
    QDate datum;
    zeitpunkt::Sekunden beginn = 0; // first departure
    zeitpunkt::Sekunden ende = 0;   // last arrival
    zeitpunkt::Sekunden fahrzeit = 0;
    qint64 km = 0;

    zeitpunkt::Sekunden unterwegs() const { return ende - beginn; }
    zeitpunkt::Sekunden standzeit() const { return unterwegs() - fahrzeit; }
};

// Days in date order, whatever order the trips come in.
std::vector<Tag> tage(const std::vector<Fahrt>& fahrten);

struct Fahrersumme {
    QString fahrer;
    Summe summe;
};

// A trip of one driver's day with the texts the one-day view lists.
struct Tagesfahrt {
    Fahrt fahrt;
    QString fahrzeug;
    QString von;
    QString nach;
    QString zweck;
    QString art;
    QString bemerkung;
};

// How a table writes durations and kilometres: as the window shows them, or as a spreadsheet
// reads them from a file (durations as hours and minutes, "28:05"; kilometres as bare numbers).
enum class Form { Anzeige, Datei };

// All drivers: "Fahrer", "Anzahl", "Unterwegs", "Fahrzeit", "gefahrene km", "Standzeit".
TextTabelle alleFahrerTabelle(const std::vector<Fahrersumme>& fahrer, Form form = Form::Anzeige);
// One driver per day, with the sum row "Summe:".
TextTabelle tageTabelle(const std::vector<Tag>& tage, Form form = Form::Anzeige);
// One driver on one day: trip rows, "Standzeit" rows between them, the sum row.
TextTabelle tagesfahrtenTabelle(const std::vector<Tagesfahrt>& fahrten, Form form = Form::Anzeige);

} // namespace fahrerauswertung
