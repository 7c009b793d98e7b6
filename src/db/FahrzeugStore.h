#pragma once

#include <QString>

// Lookups of one vehicle that several windows need.
namespace FahrzeugStore {

// The vehicle key "<KFZID> - <KZuFzg>" of the vehicle with this ID; empty when there is none.
QString schluessel(int kfzId);

// Number of raw trips of the vehicle key not yet completed (waypoint rows never count).
int unbearbeiteteFahrten(const QString& schluessel);

} // namespace FahrzeugStore
