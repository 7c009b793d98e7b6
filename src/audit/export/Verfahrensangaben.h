#pragma once

#include "audit/Anker.h"
#include "audit/Pruefergebnis.h"
#include "audit/Zeitstempel.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// What the program knows about how this logbook is kept, read from one state of it, for the
// Verfahrensdokumentation the business completes.
struct Verfahrensangaben {
    struct Fahrzeug {
        QString kennzeichen;
        int eingabeart = 0; // 0 by hand, 1 memory card, 2 serial recorder
        bool abgeschlossen = false;
        qint64 fahrten = 0; // current trips
    };
    struct Benutzer {
        QString name;
        qint64 eintraege = 0; // chained entries of all three chains
    };
    struct Ruecksicherung {
        QString zeit; // German date and time
        QString beschreibung;
    };

    QString programmversion;
    QString logbuch;   // file path or server address
    QString datenbank; // "SQLite" or "PostgreSQL"
    QDate stand;       // the day the document was made
    std::vector<Fahrzeug> fahrzeuge;
    qint64 korrekturen = 0;
    qint64 stornierungen = 0;
    qint64 rohfahrten = 0;
    qint64 protokolleintraege = 0;
    std::optional<QDate> ersteFahrt;
    std::optional<QDate> letzteFahrt;
    std::vector<Benutzer> benutzer;
    Pruefergebnis pruefung;
    QString ankerdatei;
    std::vector<Anker> anker;       // this logbook's, oldest first
    std::vector<Anker> sicherungen; // the anchors the backups left
    std::vector<Ruecksicherung> ruecksicherungen;
    QString zeitstempeldienst;            // the service the options name; empty for none
    std::vector<Zeitstempel> zeitstempel; // the stored ones, oldest first
};
