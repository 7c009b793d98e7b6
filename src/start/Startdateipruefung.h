#pragma once

#include "db/Database.h"

#include <QString>

#include <functional>

// What the program does with the logbook file at start, decided before the connection is opened:
// a file that is missing, damaged, locked or no logbook at all is reported in German, never
// opened for writing and never turned into a new logbook.
struct Startbefund {
    enum class Weiter {
        Oeffnen,
        // Write-protected: the logbook can be read, evaluated and printed.
        NurLesendOeffnen,
        // Another program holds the file: the user may try again.
        WiederholenAnbieten,
        // Nothing to open: the backup window offers a restore or a new logbook.
        Sicherungsfenster
    };

    Weiter weiter = Weiter::Oeffnen;
    // The message for the user; empty when there is nothing to say.
    QString meldung;
    // Why the file cannot be opened, one sentence without advice, for a command to report;
    // empty when it can.
    QString grund;
};

class Startdateipruefung {
public:
    // Whether the program may change the file, which SQLite also needs its folder for.
    using Beschreibbar = std::function<bool(const QString& pfad)>;

    explicit Startdateipruefung(Beschreibbar beschreibbar = dateiUndOrdnerBeschreibbar,
                                int sperrWartezeitMs = Database::sperrWartezeitMs);

    Startbefund pruefen(const QString& pfad) const;

    static bool dateiUndOrdnerBeschreibbar(const QString& pfad);

private:
    Beschreibbar beschreibbar_;
    int sperrWartezeitMs_;
};
