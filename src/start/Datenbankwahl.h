#pragma once

#include "db/Serveradresse.h"

#include <QString>

#include <variant>

// Which logbook the window program opens: the local file, where it has always been, or a database
// on a PostgreSQL server. Kept in the user's configuration, since a logbook cannot tell where it is
// itself; a password is never part of it.
struct Datenbankwahl {
    bool server = false;
    // Kept while the file is chosen, so switching back to the server needs no typing.
    Serveradresse adresse;

    bool operator==(const Datenbankwahl&) const = default;

    // The configuration file: datenbank.conf in the program's folder of the user's configuration.
    static QString datei();
    // What was chosen last; the local file when nothing was.
    static Datenbankwahl laden();
    // Throws VarnoError when the file cannot be written.
    void speichern() const;
};

// The choice as the options window's fields give it, or the German message naming the first field
// that is wrong. Host, port and database name are checked only when the server is chosen.
std::variant<Datenbankwahl, QString> datenbankwahlLesen(bool server, const QString& rechner, const QString& port,
                                                        const QString& datenbank, const QString& benutzer);
