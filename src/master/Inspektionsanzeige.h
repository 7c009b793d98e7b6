#pragma once

#include "logbuch/KFZEintrag.h"

#include <QDate>
#include <QString>

// What the main window shows of a vehicle's next inspection, and whether it warns: fewer than
// 1000 km left, or the date less than 30 days away (or past).
struct Inspektionsanzeige {
    QString restKm;  // kilometres left; empty without an inspection by kilometres
    bool kmWarnung = false;
    QString datum;   // German date; empty without an inspection date
    bool datumWarnung = false;
};

Inspektionsanzeige inspektionsanzeige(const KFZEintrag& fahrzeug, const QDate& heute);
