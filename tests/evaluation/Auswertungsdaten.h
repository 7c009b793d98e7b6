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
    // O'Brien's trip of 1 February 2006, 1000 to 1042 km, from a place whose name holds quotes and
    // a semicolon (stored here).
    build::Fahrt lagerfahrt() const;
    // The private trip home of 4 March 2006, 1042 to 1063 km.
    build::Fahrt heimfahrt() const;
};

QDateTime am(int jahr, int monat, int tag, int stunde = 0, int minute = 0);
