#pragma once

#include "logbuch/kette/Pruefkette.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <array>
#include <optional>

// A time-stamping service's signed confirmation (RFC 3161) that the logbook's Prüfwert existed at
// its time: the time comes from outside the taxpayer's reach, not from the computer's clock.
struct Zeitstempel {
    QDateTime zeit;       // the service's time, UTC
    QString dienst;       // the service's address
    QString anlass;       // "Datensicherung <file>", "Jahresfahrtenbuch <file>"
    QByteArray pruefwert; // the 32 bytes the token's imprint covers (as their SHA-256)
    std::array<qint64, pruefkette::alleKetten.size()> anzahl{}; // entries of each chain of that state
    QByteArray token;                                           // the TimeStampToken, DER
};

// A time stamp as a protocol entry's description: a line for the reader, then one field per line
// ("Zeit: …", "Dienst: …", "Anlass: …", "Prüfwert: …", "Einträge: …", "Token: …" in base64).
namespace zeitstempeleintrag {

QString beschreibung(const Zeitstempel& zeitstempel);
// None for a description that is not one of a time stamp.
std::optional<Zeitstempel> lesen(const QString& beschreibung);

// "Zeitstempel vom 11.12.2026 08:00:01 (Dienst https://…)", in local time, for reports.
QString vermerk(const Zeitstempel& zeitstempel);

} // namespace zeitstempeleintrag
