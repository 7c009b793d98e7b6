#pragma once

#include "logbuch/KFZEintrag.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// A vehicle as the vehicle window or a card reading creates it.
struct NeuesFahrzeug {
    QString kennzeichen;
    QDateTime start; // start of the logbook: a date at 00:00, or the first recorded trip
    int anfkm = 0;
    int inspkm = 0;
    QDate inspdat = QDate(2002, 1, 1);
    int eingabeart = EingabeManuell;
    int kfzid = -1;
};
