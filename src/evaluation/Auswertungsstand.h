#pragma once

#include "evaluation/Fahrtenfilter.h"
#include "evaluation/TextTabelle.h"

#include <QString>

// What the last "Anzeigen" of the evaluation produced, for the reports and the details: the view,
// the filter it used, its display dates and the driver or vehicle table. The trip list itself is
// TF_AuswertungMirel::fahrtenliste().
struct Auswertungsstand {
    // The view mode; it keeps its value while the vehicle view is shown.
    enum Ansicht { Fahrten = 0, AlleFahrer = 1, FahrerJeTag = 2, FahrerAnEinemTag = 3 };

    int ansichtsModus = Fahrten;
    bool fahrzeugansicht = false;
    bool angezeigt = false; // "Anzeigen" ran since the window was shown
    Fahrtenfilter filter;
    // Local short dates of the bounds: "1.1.2002" and today when the boxes are clear.
    QString anzeigeVon;
    QString anzeigeBis;
    // The table of the driver view shown last (view modes 1 to 3), sum row included.
    TextTabelle fahrerTabelle;
    TextTabelle fahrzeugTabelle;
    // The driver or vehicle table shown last in the form a spreadsheet reads, for "Exportieren …".
    TextTabelle dateiTabelle;
};
