#pragma once

#include <QString>

struct pg_conn;

// The user reads one German sentence with its cause for everything the server can refuse, not
// libpq's or the server's English. What the server said stays in the sentence only where no
// German one fits, after a German lead.
namespace servermeldung {

// For a refused statement: `sqlstate` is the server's five-character error code (may be empty
// when the connection broke before it answered), `englisch` its primary message.
QString fehler(const QString& sqlstate, const QString& englisch);

// For a connection that could not be made: `englisch` is libpq's message.
QString verbindungsfehler(const QString& englisch);

// Keeps libpq's notices and warnings ("WARNING: there is no transaction in progress") off the
// terminal: they go to the log category "varno.server" (shown with QT_LOGGING_RULES).
void hinweiseUmleiten(pg_conn* verbindung);

} // namespace servermeldung
