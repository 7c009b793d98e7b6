#pragma once

#include "support/TestDatabase.h"

#include <QDateTime>
#include <QString>

// A small logbook for the evaluation tests: two vehicles, places, purposes, categories, drivers.
struct Auswertungsdaten {
    Auswertungsdaten();

    int golf = 0;
    int passat = 0;
    int buero = 0;
    int kunde = 0;
    int zuhause = 0;
    int besuch = 0;
    int standard = 0;
    int extra = 0;
    int meier = 0;
    int obrien = 0;

    // A trip with the usual master rows; change what the test is about.
    build::Fahrt fahrt(const QDateTime& ab, const QDateTime& an, int kmAb, int kmAn) const;
};

QDateTime am(int jahr, int monat, int tag, int stunde = 0, int minute = 0);
