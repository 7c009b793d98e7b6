#pragma once

#include <QByteArray>
#include <QUrl>

#include <chrono>
#include <functional>

// A time-stamping service reached by HTTP POST (RFC 3161, application/timestamp-query). The call
// waits for the answer, at most the deadline, without taking the user's input meanwhile.
class Zeitstempeldienst {
public:
    static constexpr std::chrono::milliseconds standardfrist{30'000};
    // A service answers a few kilobytes; more is no answer of one.
    static constexpr qint64 hoechsteAntwort = 1 << 20;

    explicit Zeitstempeldienst(QUrl adresse, std::chrono::milliseconds frist = standardfrist);

    // Sends the request and returns the answer's bytes; `fortschritt` hears the share of the
    // deadline passed, in percent. Throws VarnoError in German: no network, refused, HTTP error,
    // no answer in time.
    QByteArray anfragen(const QByteArray& anfrage, const std::function<void(int)>& fortschritt = {}) const;

private:
    QUrl adresse_;
    std::chrono::milliseconds frist_;
};
