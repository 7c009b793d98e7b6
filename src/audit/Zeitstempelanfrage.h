#pragma once

#include "audit/OpenSslZeiger.h"

#include <QByteArray>

#include <openssl/asn1.h>

// One request to a time-stamping service (RFC 3161) over a Prüfwert: SHA-256 of its 32 bytes, a
// random nonce so no older answer can be passed off as this one, and the service's certificate
// asked for so the token can be checked without it.
class Zeitstempelanfrage {
public:
    explicit Zeitstempelanfrage(const QByteArray& pruefwert);

    // The request as the service takes it (application/timestamp-query).
    const QByteArray& der() const { return der_; }

    // The token of the service's answer, once the answer granted this very request: its status
    // and nonce (imprint and signature: zeitstempelpruefung::pruefen). Throws VarnoError naming in
    // German what the answer lacks.
    QByteArray token(const QByteArray& antwort) const;

private:
    OpenSslZeiger<ASN1_INTEGER, ASN1_INTEGER_free> nonce_;
    QByteArray der_;
};
