#pragma once

#include <QString>

#include <memory>
#include <optional>

// The system's secret store, where a server password may be kept instead of being asked at every
// start. Never a file of the program's own: without a keyring every password is asked.
class Schluesselbund {
public:
    // Whose password an entry holds.
    struct Zugang {
        QString server; // rechner:port
        QString datenbank;
        QString benutzer;
    };

    // What a login may do with the keyring besides reading it. A command on the command line
    // never asks whether to keep a password: a script cannot answer.
    enum class Nutzung { NurLesen, SpeichernAnbieten };

    virtual ~Schluesselbund() = default;

    // Whether the keyring answers at all; false after it failed once, so nobody waits twice.
    virtual bool verfuegbar() = 0;
    // The stored password, if there is one and the keyring answers.
    virtual std::optional<QString> nachschlagen(const Zugang& zugang) = 0;
    // False when the keyring did not take it.
    virtual bool speichern(const Zugang& zugang, const QString& passwort) = 0;
    virtual void vergessen(const Zugang& zugang) = 0;

    // The keyring the program set at start; null: there is none, every password is asked.
    static Schluesselbund* instance();
    static Nutzung nutzung();
    // Replaces the process-wide keyring (null: none).
    static void install(std::unique_ptr<Schluesselbund> schluesselbund, Nutzung nutzung);
};
