#pragma once

#include "evaluation/Zeitpunkt.h"

#include <QDate>
#include <QString>

#include <optional>

// What the evaluation window's "Filter" group has chosen. An empty ID means "alle": any row that
// has a value in that column. The data access turns it into one statement with bound values.
struct Fahrtenfilter {
    enum class Bemerkung { Alle, Ja, Keine };

    static constexpr int kmAbStandard = 0;
    static constexpr int kmAnStandard = 3000000;

    std::optional<int> fahrzeug;
    std::optional<int> fahrer;
    std::optional<int> von;
    std::optional<int> nach;
    std::optional<int> zweck;
    std::optional<int> kategorie;
    std::optional<int> art;
    Bemerkung bemerkung = Bemerkung::Alle;
    int kmAb = kmAbStandard;
    int kmAn = kmAnStandard;
    // Both bounding days count whole: departure from 00:00:00, arrival up to 23:59:59.
    zeitpunkt::Sekunden abfahrtAb = 0;
    zeitpunkt::Sekunden ankunftBis = 0;
    // The logbook files take a period by departure alone, so that each trip lands in exactly one
    // of two consecutive periods; the window's filter never sets it.
    std::optional<zeitpunkt::Sekunden> abfahrtBis;
    // The sample vehicle stays out unless the option "Musterfahrzeug in Auswertung einbeziehen" is on.
    bool ohneMusterfahrzeug = true;
    // Versions a correction or cancellation replaced are listed too (they count nowhere).
    bool mitErsetzten = false;

    // Everything "alle" from 1 January 2002 to the end of today; the vehicle is left to the caller.
    static Fahrtenfilter zurueckgesetzt(const QDate& heute, bool ohneMusterfahrzeug);

    // The view "nach Fahrzeugen" takes only the period, the driver and the sample-vehicle rule.
    Fahrtenfilter nurZeitraumUndFahrer() const;

    bool operator==(const Fahrtenfilter&) const = default;
};

namespace filtergrenzen {

// The day before which no logbook date is taken into account.
QDate fruehesterTag();
zeitpunkt::Sekunden abfahrtAb(const QDate& tag);
zeitpunkt::Sekunden ankunftBis(const QDate& tag);

// An odometer bound as typed: empty gives the default, digits give their value, anything else nothing.
std::optional<int> kmGrenze(const QString& text, int standard);

// The date corrections between the two pickers: a departure day after a chosen arrival day falls back
// to it, an arrival day before a chosen departure day moves up to it.
QDate abfahrtKorrigiert(const QDate& abfahrt, const QDate& ankunft, bool ankunftGewaehlt);
QDate ankunftKorrigiert(const QDate& ankunft, const QDate& abfahrt, bool abfahrtGewaehlt);

} // namespace filtergrenzen
