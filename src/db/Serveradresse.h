#pragma once

#include <QString>

// Where a logbook on a PostgreSQL server lives: postgresql://benutzer@rechner:port/datenbank.
// The password never belongs in it: it would stand in the shell history and the process list.
struct Serveradresse {
    static constexpr int standardport = 5432;

    QString benutzer; // empty: the login name of the user, as every PostgreSQL client does
    QString rechner;
    int port = standardport;
    QString datenbank;

    bool operator==(const Serveradresse&) const = default;

    // The address as the user writes it, without default parts.
    QString text() const;
};

// Whether `ort` names a server logbook rather than a file.
bool istServeradresse(const QString& ort);

// Reads a server address. Throws DatabaseError with a German message naming what is wrong.
Serveradresse serveradresseLesen(const QString& ort);
