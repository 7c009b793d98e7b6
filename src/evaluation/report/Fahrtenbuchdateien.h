#pragma once

#include "evaluation/Fahrtenfilter.h"
#include "network/Zeitstempelung.h"

#include <QDate>
#include <QString>

#include <optional>

// The logbook of one vehicle for a period in the files a tax adviser is handed: the trip report
// as PDF (every kind of trip, with the kilometres per kind) and the same trips as CSV. The
// evaluation's "Jahresfahrtenbuch" and the command line "varno export" both write them here.
namespace fahrtenbuchdateien {

struct Auftrag {
    int fahrzeug = 0;
    QString kennzeichen; // as the report names the vehicle
    QDate von;
    QDate bis;
    QString pdf; // empty: no PDF
    QString csv; // empty: no CSV
};

// Every trip of the vehicle departing within the period, whatever its kind, odometer or arrival:
// consecutive periods hold each trip exactly once.
Fahrtenfilter filter(int fahrzeug, const QDate& von, const QDate& bis);

// A calendar year as typed: four digits from 2002, the first year of any logbook, to this year.
std::optional<int> jahr(const QString& text, const QDate& heute);
// What to tell the user when jahr() found none.
QString jahrFehler(const QDate& heute);

// The whole year into the folder, as "Fahrtenbuch_B-XY-1_2025.pdf" and ".csv" side by side.
Auftrag jahresauftrag(int fahrzeug, const QString& kennzeichen, int jahr, const QString& ordner);

// Writes the files and, when the options name a time-stamping service, asks it for a time stamp
// over the logbook's state (beside the PDF, or the CSV without one); what came of that is
// returned, none without a service. `fortschritt` hears the wait for the service. Throws
// VarnoError (a file cannot be written) or DatabaseError.
std::optional<zeitstempelung::Ergebnis> schreiben(const Auftrag& auftrag,
                                                  const std::function<void(int)>& fortschritt = {});

} // namespace fahrtenbuchdateien
