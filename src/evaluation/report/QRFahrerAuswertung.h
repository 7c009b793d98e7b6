#pragma once

#include "evaluation/report/DatumsAuswahl.h"
#include "evaluation/report/ReportDefinition.h"

#include <QStringList>

#include <vector>

// The all-drivers report "Fahrerauswertung": one line per driver with the six columns of the
// all-drivers view. A4 portrait, 12.7 mm margins.
struct FahrerBerichtDaten {
    DatumsAuswahl datum;
    // Fahrer, Anzahl, Unterwegs, Fahrzeit, gefahrene km, Standzeit; every data row of the view.
    std::vector<QStringList> zeilen;
};

class TQRFahrer {
public:
    // "alle Fahrer" with the period, or "alle Fahrer über alle Tage".
    static QString QRFahrerBeforePrint(const DatumsAuswahl& datum);
    static ReportDefinition bericht(const FahrerBerichtDaten& daten);
};
