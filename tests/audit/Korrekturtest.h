#pragma once

#include "Logbuchfahrten.h"
#include "support/TestDatabase.h"

// A logbook of March 2006 on both engines for the tests of corrections, moves and later entries;
// each test suite lays out its trips in fahrtenAnlegen().
class Korrekturtest : public BeideDatenbanken {
protected:
    void SetUp() override
    {
        BeideDatenbanken::SetUp();
        if (!IsSkipped())
            fahrtenAnlegen();
    }

    virtual void fahrtenAnlegen() = 0;

    // `stunde` o'clock on day `tag` of March 2006.
    static QDateTime am(int tag, int stunde = 8) { return {QDate(2006, 3, tag), QTime(stunde, 0)}; }

    static QStringList aktuelleKm() { return logbuchfahrten::aktuelle(); }
};
