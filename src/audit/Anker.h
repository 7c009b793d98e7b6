#pragma once

#include "logbuch/kette/Pruefkette.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <optional>

// A Prüfwert kept outside the logbook: the state of its chains at one moment, so that a later
// rollback, an older file put in its place or a recompute of those entries is found without paper.
struct Anker {
    QDateTime zeit;
    QString anlass;       // "Programmende", "Datensicherung", "Bericht", "Export", "Prüfung"
    QByteArray pruefwert; // the full 32 bytes
    std::array<qint64, pruefkette::alleKetten.size()> anzahl{}; // entries of each chain
    QString logbuch;                                            // file path or server address

    qint64 eintraege() const;
    bool operator==(const Anker&) const = default;
};

// One anchor as a line of an anchor file, fields separated by tabs:
//
//   time (ISO 8601, UTC)  reason  Prüfwert (64 hex digits)  entries of T_MIREL  of T_basis
//   of T_Protokoll  logbook (percent-encoded)  chain value (64 hex digits)
//
// The chain value is SHA-256 over the chain value of the line before (32 zero bytes for the
// first line), then the line's other fields in UTF-8 joined by tabs: a line removed or changed in
// the middle of the file no longer fits the lines after it.
namespace ankerzeile {

// The fields without the chain value.
QString felder(const Anker& anker);
// The chain value of a line with `felder` after a line with `vorher`.
QByteArray kettenwert(const QString& felder, const QByteArray& vorher);
// The anchor and the chain value the line carries; none for a line that is no anchor.
struct Gelesen {
    Anker anker;
    QString felder;
    QByteArray kettenwert;
};
std::optional<Gelesen> lesen(const QString& zeile);

// "vom 10.12.2026 14:03 (Datensicherung, 12 Einträge, Prüfwert 1A2B …)" for messages.
QString beschreibung(const Anker& anker);

} // namespace ankerzeile
