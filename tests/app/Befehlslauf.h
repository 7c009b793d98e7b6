#pragma once

#include "platform/FakeVolumeSerial.h"
#include "start/Startdateipruefung.h"

#include <QString>
#include <QStringList>

// A command run in this process as "varno ARGUMENTE" would run it, with what it printed.
struct Lauf {
    int code = -1;
    QString aus;
    QString fehler;
};

// `startpruefung` checks the logbook file before the command opens it.
Lauf varno(const QStringList& argumente, const VolumeSerial& kartenkennung = FakeVolumeSerial(),
           const Startdateipruefung& startpruefung = Startdateipruefung());
