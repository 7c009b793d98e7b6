#pragma once

#include "entry/Fahrtspeicherung.h"

#include <QDateTime>
#include <QStringList>

// What the store tests of corrections, moves and later entries build and read.
namespace logbuchfahrten {

// A trip to store: from Werk to Kunde, business, no purpose given.
fahrtspeicherung::Auftrag auftrag(int kfz, const QDateTime& ab, const QDateTime& an, int kmAb, int kmAn);

// "km_ab-km_an" of every current trip but the vehicles' start rows, by departure; with the
// vehicle's ID in front ("3:1000-1050") if `mitFahrzeug`.
QStringList aktuelle(bool mitFahrzeug = false);

} // namespace logbuchfahrten
