#pragma once

#include "evaluation/report/DatumsAuswahl.h"
#include "evaluation/report/ReportDefinition.h"

#include <QStringList>

#include <vector>

// The per-day report of one driver "Fahrerauswertung": one line per day and the sums. A4
// portrait, 12.7 mm margins.
struct FahrerTabBerichtDaten {
    QString fahrer; // driver list text
    DatumsAuswahl datum;
    // The data rows of the per-day view, the sum row last: Datum, Startzeit, Ankunftszeit,
    // Unterwegs, Fahrzeit, gefahrene km, Standzeit.
    std::vector<QStringList> zeilen;
};

class TQRFahrerTab {
public:
    struct Beschriftung {
        QString lAuswertDat;
        QString QRLabelUnterwegs;
        QString QRLabelFahrzeit;
        QString QRLabelgefkm;
        QString QRLabelStandzeit;
    };

    static Beschriftung QRFahrerTabBeforePrint(const FahrerTabBerichtDaten& daten);
    static ReportDefinition bericht(const FahrerTabBerichtDaten& daten);
};
