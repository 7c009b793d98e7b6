#pragma once

#include <QString>
#include <QVariant>

// A logbook row stays as it was stored. A correction or a cancellation is a row of its own that
// names the row it replaces (ErsetztID) and why (Grund); a cancellation (Storniert) repeats the
// trip it cancels. The current version of a trip is a row that no other row replaces and that is
// no cancellation: lists, sums and reports count only those.
namespace fahrtfassung {

// Conditions on the logbook row named `alias` in a statement, to be joined with AND.
QString keineStornierung(const QString& alias);
QString nichtErsetzt(const QString& alias);
QString aktuell(const QString& alias);

// The stored entry time (Erfasst) as shown: German date and time, or for a row stored before
// entry times were kept "vor Einführung der Prüfkette".
QString erfasst(const QVariant& gespeichert);

} // namespace fahrtfassung
