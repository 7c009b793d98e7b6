#pragma once

#include "logbuch/kette/Pruefkette.h"

#include <QDateTime>
#include <QSet>
#include <QString>

#include <optional>
#include <vector>

// One thing the check found that no longer fits a chain.
struct Pruefbefund {
    enum class Art {
        Veraendert,    // the row's content no longer matches its value
        OhnePruefwert, // a row without chain values: stored by another tool
        Eingefuegt,    // a row with values that does not belong where it stands
        Fehlt,         // one or more rows before this one are gone
        Verschoben,    // the row belongs elsewhere in the chain
        EndeFehlt,     // rows after the last one are gone
        VermerkFehlt,  // the chain's notes (T_Pruefkette) are gone or do not match the rows
        FolgeLuecke,   // rows stored before this one, in any chain, are gone
        FremdesObjekt, // a trigger, view, rule or table the program did not create; `zeile` names it
        StammFehlt,    // the row names a master row that is gone; `stammeintrag` names it
    };

    pruefkette::Kette kette;
    Art art;
    qlonglong id = 0; // the row the finding names; 0 when it names none
    QString zeile;    // the row in words, for example "Fahrzeug B-XY 1, Fahrt vom 01.03.2024 08:00"
    QString stammeintrag; // a missing master row and how many rows name it

    // The finding as the user reads it.
    QString text() const;
};

// The result of checking all chains of a logbook.
struct Pruefergebnis {
    pruefkette::Koepfe koepfe; // length and last value recomputed from the content of each chain
    std::vector<Pruefbefund> befunde;
    std::optional<QDateTime> kettenbeginn; // since when the logbook's entries are chained

    bool unveraendert() const { return befunde.empty(); }
    qint64 eintraege() const;
    // The Prüfwert of the logbook as it stands, 128 bits in groups of four hex digits; "ungültig"
    // when anything was found, so no printed value vouches for a changed logbook.
    QString pruefwert() const;
    // For page footers and backups: "Prüfwert <value> – Fahrtenbuch geprüft: unverändert", or
    // "Prüfwert ungültig – Fahrtenbuch verändert".
    QString vermerk() const;
    // The logbook rows a finding names.
    QSet<qlonglong> betroffeneFahrten() const;
    // "unverändert" or "verändert", for page footers and status bars.
    QString zustand() const;
    // The full report: every finding, or that all entries are unchanged; the Prüfwert last, all
    // 256 bits.
    QString bericht() const;
};

// "Fahrtenbuch", "Rohfahrten", "Protokoll".
QString kettenname(pruefkette::Kette kette);
