#pragma once

#include "evaluation/Zeitpunkt.h"

#include <QString>

// The three ways the driver summaries write a duration (whole minutes; seconds are dropped).
namespace dauer {

// "1d 04h 05min"
QString langform(zeitpunkt::Sekunden dauer);
// "04:05": only the part below one day, like a clock
QString uhrform(zeitpunkt::Sekunden dauer);
// "1 Tag(e) 04:05"
QString tagessumme(zeitpunkt::Sekunden dauer);
// "28:05": hours running on past a day, as spreadsheets read a duration
QString stunden(zeitpunkt::Sekunden dauer);

} // namespace dauer
