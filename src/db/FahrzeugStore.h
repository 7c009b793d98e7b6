#pragma once

#include <QString>

#include <optional>

// Lookups of one vehicle that several windows need.
namespace FahrzeugStore {

// The vehicle key "<KFZID> - <KZuFzg>" of the vehicle with this ID; empty when there is none.
QString schluessel(int kfzId);

struct GefundenesFahrzeug {
    int id = 0;
    QString kennzeichen; // as stored
};

// The vehicle with this plate-and-name text, compared as names are, if there is one.
std::optional<GefundenesFahrzeug> nachKennzeichen(const QString& kzuFzg);

// Number of raw trips of the vehicle key not yet completed (waypoint rows never count).
int unbearbeiteteFahrten(const QString& schluessel);

} // namespace FahrzeugStore
