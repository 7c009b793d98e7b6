#include "entry/Rueckfahrt.h"

#include "common/GermanFormat.h"

std::optional<Rueckfahrt> rueckfahrt(const std::vector<Logbuchzeile>& letzteFahrten, const QDate& heute)
{
    if (letzteFahrten.size() < 2 || letzteFahrten.front().istStartdatensatz())
        return std::nullopt;
    const Logbuchzeile& letzte = letzteFahrten.at(0);
    const Logbuchzeile& davor = letzteFahrten.at(1);
    const int strecke = letzte.kmAn - davor.kmAn;
    const bool ohneZeit = letzte.anDat == QDateTime(german::noDate(), QTime(0, 0));
    return Rueckfahrt{strecke,      letzte.kmAn + strecke, letzte.kategorie, letzte.fahrer,
                      letzte.art - 1, ohneZeit ? heute : letzte.anDat.date()};
}
