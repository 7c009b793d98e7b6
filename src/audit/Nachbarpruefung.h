#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// Where a corrected trip sits among the vehicle's other current trips: it may neither overlap them
// nor run the odometer backwards. When it moves its arrival odometer, the following trip that began
// where it ended has to begin at the new reading too, or every sum counts the difference twice.
namespace nachbarpruefung {

// A trip's times and odometer readings, all the order depends on.
struct Lage {
    int id = 0;
    QDateTime abDat;
    QDateTime anDat; // invalid: no arrival
    int kmAb = 0;
    int kmAn = 0;

    bool operator==(const Lage&) const = default;
};

struct Nachbarn {
    std::optional<Lage> davor;
    std::optional<Lage> danach;
};

struct Befund {
    // The rule the new version breaks, in a sentence that follows the trip's name; nothing when none.
    std::optional<QString> ablehnung;
    // The following trip as it has to be stored with the correction, when its departure odometer
    // must follow the new arrival.
    std::optional<Lage> folgefahrt;
};

// `alt` and `neu` are the trip before and after the correction, `nachbarn` the current trips around
// the new version.
Befund pruefen(const Lage& alt, const Lage& neu, const Nachbarn& nachbarn);

// A trip new to the logbook (entered later, or moved from another vehicle) among the current trips
// around it: the same rules; the following trip has to follow when it would begin below the new
// arrival.
Befund einordnen(const Lage& neu, const Nachbarn& nachbarn);

// "Fahrt vom 01.03.2006 08:00": the trip a message speaks of.
QString fahrtVom(const QDateTime& abfahrt);

// The question before the following trip is corrected as well: with the reason the user gave, or
// with `eigenerGrund`.
QString folgefahrtFrage(const Lage& folgefahrt, int bisherigerKmAb,
                        const std::optional<QString>& eigenerGrund = std::nullopt);

} // namespace nachbarpruefung
