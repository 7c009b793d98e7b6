#pragma once

#include "entry/EingabeStore.h"
#include "entry/Speicherpruefung.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>
#include <variant>

// The decision behind "Speichern" of the trip entry: from what the fields hold and what the window
// knows, either the one refusal the user sees or the trip to store. Nothing is written here; the
// store resolves the names and inserts the trip in one transaction, so a refused save leaves no
// new place, purpose, category or driver behind.
namespace fahrtspeicherung {

// The fields as the user left them.
struct Eingabe {
    QString abfahrt; // time texts with blanks in unfilled places ("  :  " when empty)
    QString ankunft;
    bool ankunftAktiv = true; // a card trip's recorded arrival cannot be changed
    QDate datum;
    int art = 0; // index of the kind of trip (Fahrtart)
    QString von;
    QString nach;
    QString zweck;
    QString kategorie;
    QString fahrer;
    QString kmStand; // arrival odometer field
    QString km;      // distance field
    QString bemerkung;
    bool alsStammfahrt = false;
};

// What the window knows besides its fields.
struct Stand {
    int fahrzeug = 0;
    bool kartenfahrzeug = false;
    QDateTime letzteAnkunft;
    qint64 letzterKmStand = 0;
    // The raw trip the fields were copied from; only a card vehicle completes one.
    std::optional<Rohfahrt> rohfahrt;
    int hoechsteFahrtdauer = 0;      // hours (option tFahrt)
    int hoechsteGeschwindigkeit = 0; // km/h (option V)
};

// A trip that may be stored. Places, purpose, category and driver are still names: the store
// resolves them together with the insert.
struct Auftrag {
    int fahrzeug = 0;
    QDateTime abDat;
    QDateTime anDat; // invalid: no arrival
    int kmAb = 0;
    int kmAn = 0;
    QString von;
    QString nach;
    int art = 0; // as stored: the kind's index plus one
    QString zweck;
    QString kategorie;
    QString fahrer;
    QString bemerkung;
    std::optional<int> rohfahrt;     // raw trip to mark completed
    std::optional<int> stammfahrtKm; // also store as standard trip with this distance
};

using Ergebnis = std::variant<speicherpruefung::Ablehnung, Auftrag>;

// Asks the user a yes/no question (the long trip); true is yes.
using Nachfrage = std::function<bool(const QString& frage)>;

Ergebnis pruefen(const Eingabe& eingabe, const Stand& stand, const Nachfrage& nachfrage);

} // namespace fahrtspeicherung
