#pragma once

#include "evaluation/AuswertungStore.h"
#include "evaluation/Fahrtenfilter.h"
#include "evaluation/Fahrtenliste.h"
#include "evaluation/Fahrzeugauswertung.h"
#include "evaluation/TextTabelle.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// What "Anzeigen" of the evaluation shows, apart from the window: the choice of the view from the
// kind of list and the filter, and the query and tables behind each view.
namespace auswertungsanzeige {

// The kind of list the user chose ("nach Fahrten", "nach Fahrern", "nach Fahrzeugen").
enum class Gruppierung { NachFahrten, NachFahrern, NachFahrzeugen };

enum class Ansicht { Fahrten, AlleFahrer, FahrerJeTag, FahrerAnEinemTag, Fahrzeuge };

// By drivers: all drivers' totals without a chosen driver, else the driver's trips of one day when
// both date bounds are ticked and fall on the same day, else the driver's days.
Ansicht waehlen(Gruppierung gruppierung, const Fahrtenfilter& filter, bool beideDatenGesetzt);

// The bounds as the reports name them: "1.1.2002" without a departure bound, today without an
// arrival bound; day and month without leading zeros.
QString anzeigeVon(const std::optional<QDate>& abDatum);
QString anzeigeBis(const std::optional<QDate>& anDatum, const QDate& heute);

// The data of one view.
struct Ergebnis {
    Fahrtenliste fahrten;     // the trip view
    TextTabelle tabelle;      // a driver or the vehicle view as shown
    TextTabelle dateiTabelle; // the same in the form a spreadsheet reads
    std::vector<fahrzeugauswertung::Fahrzeug> fahrzeuge; // the vehicle view, for its diagram
};

Ergebnis abfragen(const AuswertungStore& store, Ansicht ansicht, const Fahrtenfilter& filter,
                  const AuswertungStore::Fortschritt& fortschritt = {});

} // namespace auswertungsanzeige
