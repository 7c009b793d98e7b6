#pragma once

#include <QString>
#include <QTime>

// Duration and average speed of one trip, from the two times of day the user entered.
namespace fahrtdauer {

// Minutes from departure to arrival. An arrival earlier in the day than the departure is on the
// next day (the trip is stored so), so 22:30 to 01:15 lasts 2:45.
int minuten(const QTime& abfahrt, const QTime& ankunft);

// "hh:mm" of a duration, as the duration question shows it.
QString text(int minuten);

enum class Dauerpruefung { Ok, Ueberschritten, Nachfragen };

// Trips longer than the option tFahrt (hours) are refused; those longer than 0.34 days
// (8:09:36) are questioned.
Dauerpruefung pruefen(int minuten, int tFahrtStunden);

// km/h over the duration, rounded to the nearest whole number, a half to the even neighbour.
// A trip without duration has no speed (0).
int durchschnitt(qint64 kilometer, int minuten);

} // namespace fahrtdauer
