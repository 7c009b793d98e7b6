#pragma once

#include "evaluation/BerichtStore.h"
#include "evaluation/Fahrtenliste.h"
#include "evaluation/report/QuickReportAuswertung.h"

#include <QString>

#include <vector>

// The listed trips as the trip report prints them, with their names and full remarks.
std::vector<FahrtenZeile> berichtsfahrten(const Fahrtenliste& liste, const Bemerkungen& bemerkungen);
