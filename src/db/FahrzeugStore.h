#pragma once

#include <QString>

#include <optional>

// Lookups of one vehicle that several windows need.
namespace FahrzeugStore {

// The vehicle key "<KFZID> - <KZuFzg>" of the vehicle with this ID; empty when there is none.
QString schluessel(int kfzId);

// The ID of the vehicle with this plate-and-name text, if there is one.
std::optional<int> idNachKennzeichen(const QString& kzuFzg);

// Number of raw trips of the vehicle key not yet completed (waypoint rows never count).
int unbearbeiteteFahrten(const QString& schluessel);

} // namespace FahrzeugStore
