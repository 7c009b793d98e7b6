#pragma once

#include <QHash>
#include <QSet>
#include <QString>

class QTextStream;
class VolumeSerial;

namespace befehlszeile {
struct Aufruf;
}
namespace cardfile {
struct CardRecord;
}

// "varno karte einlesen": lists the trips of a card's data file with the verdict of the plausibility
// check and, with "--uebernehmen", takes them over exactly as the import window does.
class KarteEinlesen {
public:
    KarteEinlesen(QTextStream& aus, const VolumeSerial& kartenkennung);

    // Throws VarnoError with the reason when the file cannot be read or the trips cannot be taken
    // over; nothing is stored then, unless the message says so.
    void ausfuehren(const befehlszeile::Aufruf& aufruf);

private:
    // The vehicle key of a record; a vehicle the logbook does not know is noted, never created.
    QString kfzSchluessel(const cardfile::CardRecord& record);

    QTextStream& aus_;
    const VolumeSerial& kartenkennung_;
    QHash<int, QString> schluessel_;
    QSet<int> unbekannt_;
};
