#pragma once

#include "evaluation/BerichtStore.h"
#include "evaluation/Fahrtenliste.h"
#include "evaluation/report/QuickReportAuswertung.h"

#include <QString>

#include <optional>

#include <vector>

// The listed trips as the trip report prints them, with their names, full remarks and entry
// times. Only current versions are printed; what they replaced is in the section "Korrekturen".
std::vector<FahrtenZeile> berichtsfahrten(const Fahrtenliste& liste, const Bemerkungen& bemerkungen,
                                          const Erfassungen& erfassungen);

// The corrections and cancellations of the period for the section "Korrekturen": of one vehicle
// or all, the sample vehicle left out when asked.
std::vector<KorrekturZeile> berichtskorrekturen(std::optional<int> fahrzeug, bool ohneMusterfahrzeug,
                                                zeitpunkt::Sekunden von, zeitpunkt::Sekunden bis);
