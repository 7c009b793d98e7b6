#pragma once

#include "logbuch/KFZEintrag.h"

#include <QObject>

#include <vector>

// What the windows share while the program runs: the logbook file and whether it is open, the open
// vehicles, the current vehicle and whether trips are being entered for it. The program creates one and
// hands it to each window; windows react to its signals instead of asking each other.
class Sitzung : public QObject {
    Q_OBJECT
public:
    // The logbook file is decided once at start (logbuchort), the same for every window.
    explicit Sitzung(QString logbuch = {}, QObject* parent = nullptr) : QObject(parent), logbuch_(std::move(logbuch)) {}

    const QString& logbuch() const { return logbuch_; }
    void setLogbuch(const QString& logbuch) { logbuch_ = logbuch; }
    bool datenbankVorhanden() const { return datenbankVorhanden_; }
    void setDatenbankVorhanden(bool vorhanden) { datenbankVorhanden_ = vorhanden; }

    // The open vehicles in the order of the main window's list.
    const std::vector<KFZEintrag>& fahrzeuge() const { return fahrzeuge_; }
    // Reads the open vehicles afresh from the logbook.
    void fahrzeugeLaden();
    // The listed vehicle with this ID; null when it is not listed.
    const KFZEintrag* fahrzeug(int id) const;

    int aktuellesFahrzeug() const { return aktuellesFahrzeug_; }
    // While trips are entered the vehicle they are stored under stays current; a change is ignored.
    void setAktuellesFahrzeug(int id);

    bool fahrtenerfassungLaeuft() const { return fahrtenerfassung_; }
    void setFahrtenerfassungLaeuft(bool laeuft) { fahrtenerfassung_ = laeuft; }

    // Called by whoever changed logbook rows (a saved trip, raw trips taken over from a card).
    void fahrtenbuchGeaendertMelden() { emit fahrtenbuchGeaendert(); }

signals:
    void aktuellesFahrzeugGeaendert(int id);
    void fahrtenbuchGeaendert();

private:
    QString logbuch_;
    bool datenbankVorhanden_ = false;
    std::vector<KFZEintrag> fahrzeuge_;
    int aktuellesFahrzeug_ = 0;
    bool fahrtenerfassung_ = false;
};
