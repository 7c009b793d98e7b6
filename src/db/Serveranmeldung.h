#pragma once

#include "db/Serveradresse.h"

#include <QString>

class QSqlDatabase;

// The login at a PostgreSQL server: its address and, when the server wants one, its password. The
// password lives in this object, for opening the connection again after it broke off, and in the
// system's keyring if the user chose so; it is never written anywhere else.
class Serveranmeldung {
public:
    // Tries the server first without a password (a server that trusts its local users asks for
    // none) or with the one that worked last for this address in this run, then with the one the
    // system's keyring holds (Schluesselbund), and asks through the prompt interface when it wants
    // one, again when it refuses it. A typed password that works replaces a refused stored one or,
    // when the keyring allows offering, is kept there if the user wants.
    // Throws DatabaseError when the server cannot be reached or the user cancels.
    static Serveranmeldung anmelden(const Serveradresse& adresse);

    // Forgets every password typed so far: the next login asks again.
    static void passwoerterVergessen();

    const Serveradresse& adresse() const { return adresse_; }
    // Puts the login into a Qt connection that is about to be opened.
    void einrichten(QSqlDatabase& db) const;

private:
    Serveranmeldung(const Serveradresse& adresse, const QString& passwort) : adresse_(adresse), passwort_(passwort) {}

    Serveradresse adresse_;
    QString passwort_;
};
