#pragma once

#include "db/KFZEintrag.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <vector>

// The statements behind the vehicle list, the options the main window reads and the vehicle
// changes of the master-data windows. Create one for a task, use it, discard it.
class TDataBase {
public:
    struct Optionen {
        int x = 0;
        int y = 0;
        int index = 0; // position of the vehicle to select in KFZListe
    };

    struct NeuesKFZ {
        QString kennzeichen;
        QDateTime start; // start of the logbook: a date at 00:00, or the first recorded trip
        int anfkm = 0;
        int inspkm = 0;
        QDate inspdat = QDate(2002, 1, 1);
        int eingabeart = EingabeManuell;
        int kfzid = -1;
    };

    void ListenOeffnen();
    int KFZAnzahl() const;
    void KFZLesen(std::vector<KFZEintrag>& liste) const;
    Optionen OptionenLesen(const std::vector<KFZEintrag>& liste) const;
    void ListenSchliessen();

    static void KFZMerken(int id);
    static void InspektionSpeichern(int id, int km, const QDate& datum);
    // Stores the vehicle and its logbook start record together; returns the new vehicle's ID.
    static int KFZAnlegen(const NeuesKFZ& kfz);
    static void FensterposSpeichern(int x, int y);

private:
    std::vector<KFZEintrag> fahrzeuge_;
};
