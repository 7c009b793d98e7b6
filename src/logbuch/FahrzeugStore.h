#pragma once

#include "logbuch/KFZEintrag.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

struct NeuesFahrzeug;

// The statements on single vehicles that the windows, the card import and the command line share.
namespace FahrzeugStore {

// The vehicle key "<KFZID> - <KZuFzg>" of the vehicle with this ID; empty when there is none.
QString schluessel(int kfzId);

struct GefundenesFahrzeug {
    int id = 0;
    QString kennzeichen; // as stored
};

// The vehicle with this plate-and-name text, compared as names are, if there is one.
std::optional<GefundenesFahrzeug> nachKennzeichen(const QString& kzuFzg);

// Whether any vehicle, open or closed, has this plate text; plates do not differ by case alone.
bool kennzeichenVergeben(const QString& kzuFzg);

// The plate text of the vehicle with this ID; empty when there is none.
QString kennzeichen(int kfzId);
// The plate text of the vehicle with this recorder vehicle number, if there is one.
std::optional<QString> kennzeichenZurKfzNummer(int kfzNummer);
// How the vehicle's trips come in (Eingabeart); 0 for an unknown ID.
int eingabeart(int kfzId);

// The vehicles not closed, in the German order of their plate texts. The odometer is the largest
// arrival reading of the current trips, or the initial one without logbook rows.
std::vector<KFZEintrag> offeneFahrzeuge();
// Keeps every other user from creating a vehicle until the caller's write transaction ends.
void sperren();
// Inserts the vehicle row alone, inside the caller's transaction that adds its start record; the
// new vehicle's ID.
int einfuegen(const NeuesFahrzeug& fahrzeug);
void inspektionSpeichern(int kfzId, int km, const QDate& datum);

// Number of vehicles not closed.
int offene();
// Closes the vehicle for good and makes the first open vehicle in plate order the remembered one.
void abschliessen(int kfzId);

// Number of raw trips of the vehicle key not yet completed (waypoint rows never count).
int unbearbeiteteFahrten(const QString& schluessel);

} // namespace FahrzeugStore
