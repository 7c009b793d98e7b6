#include "master/Inspektionsanzeige.h"

#include "common/GermanFormat.h"

namespace {
constexpr int warnKm = 1000;
constexpr int warnTage = 30;
} // namespace

Inspektionsanzeige inspektionsanzeige(const KFZEintrag& fahrzeug, const QDate& heute)
{
    Inspektionsanzeige anzeige;
    if (fahrzeug.InspKM != 0) {
        const int rest = fahrzeug.InspKM - fahrzeug.KmStand;
        anzeige.restKm = QString::number(rest);
        anzeige.kmWarnung = rest < warnKm;
    }
    // 01.01.2002 stands for "no inspection date".
    if (fahrzeug.InspDat != german::date(german::noDate())) {
        anzeige.datum = fahrzeug.InspDat;
        const auto datum = german::parseDate(fahrzeug.InspDat);
        anzeige.datumWarnung = datum && heute.daysTo(*datum) < warnTage;
    }
    return anzeige;
}
