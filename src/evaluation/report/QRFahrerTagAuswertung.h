#pragma once

#include "evaluation/report/ReportDefinition.h"

#include <QStringList>

#include <vector>

// The one-day report of one driver "Tagesauswertung vom <day>": the day's trips and standing
// periods, two lines each, and a day summary. A4 portrait, 12.7 mm margins.
struct FahrerTagBerichtDaten {
    QString fahrer; // driver list text
    QString tag;    // the "from" display date
    // The data rows of the one-day view, the sum row last: Abfahrt, Ankunft, Fahrzeug, von, nach,
    // KM-Abf., KM-Ank., gef. km, Dauer, Zweck, Art, Bem.
    std::vector<QStringList> zeilen;
};

class TQRFahrerTag {
public:
    struct Beschriftung {
        QString titel;
        QString lAuswertDat;
        QString beginn;    // "Beginn der ersten Fahrt"
        QString ende;      // "Ende der letzten Fahrt"
        QString gefahren;  // "gefahrene km"
        QString unterwegs; // first departure to last arrival
        QString fahrzeit;
        QString standzeit; // unterwegs minus fahrzeit
    };

    static Beschriftung QRFahrerTagBeforePrint(const FahrerTagBerichtDaten& daten);
    static ReportDefinition bericht(const FahrerTagBerichtDaten& daten);
};
