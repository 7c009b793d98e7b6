#pragma once

#include "audit/ZeitstempelStore.h"

#include <QStringList>

// Whether a time stamp's token holds: its signature goes back to a trusted certificate (the
// system's CA certificates, or the one certificate the options name) as it was valid at the
// stamped time, and its imprint is the SHA-256 of the Prüfwert it claims.
namespace zeitstempelpruefung {

// Where the system keeps the CA certificates it trusts.
inline const QString systemzertifikate = QStringLiteral("/etc/ssl/certs");

// What a service signs: SHA-256 over the Prüfwert's 32 bytes.
QByteArray abdruck(const QByteArray& pruefwert);

struct Befund {
    bool gueltig = false;
    QDateTime zeit;    // the service's time, when the token could be read
    QString signierer; // the common name of the service's certificate
    QString text;      // German: what failed, or who signed
};

// `zertifikat`: a PEM file with the certificates to trust; empty: the system's.
Befund pruefen(const QByteArray& token, const QByteArray& pruefwert, const QString& zertifikat);

struct Gesamtbefund {
    bool stimmt = true;
    QStringList zeilen;                 // one per stored time stamp, naming it and what was found
    std::optional<Zeitstempel> letzter; // the latest one that holds
};

// Every stored time stamp of the open logbook, each against the Prüfwert its counts give in the
// logbook now (the chains' values as stored, which the check recomputes from the content), and
// against the certificate the options name. Reads all in one snapshot.
Gesamtbefund allePruefen();

} // namespace zeitstempelpruefung
