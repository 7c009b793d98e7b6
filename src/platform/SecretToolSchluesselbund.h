#pragma once

#include "common/Schluesselbund.h"

#include <QStringList>

#include <chrono>

// The desktop's keyring (GNOME Keyring, KWallet: whatever serves the Secret Service) through
// libsecret's own command-line tool secret-tool. The password goes through the tool's standard
// input and output only, never on its command line, where every user of the machine could read it.
// Without the tool, or when it fails or hangs (a session without keyring service), the keyring
// counts as not there and Varno asks the password instead.
class SecretToolSchluesselbund : public Schluesselbund {
public:
    static constexpr std::chrono::milliseconds standardwartezeit{5000};

    // Looks secret-tool up on PATH now. `wartezeit`: how long one call of the tool may take.
    explicit SecretToolSchluesselbund(std::chrono::milliseconds wartezeit = standardwartezeit);

    bool verfuegbar() override;
    std::optional<QString> nachschlagen(const Zugang& zugang) override;
    bool speichern(const Zugang& zugang, const QString& passwort) override;
    void vergessen(const Zugang& zugang) override;

private:
    struct Antwort {
        int rueckgabewert = 0;
        QByteArray ausgabe;
    };
    // Runs the tool; nothing when it is missing, failed or did not answer in time.
    std::optional<Antwort> aufrufen(const QStringList& argumente, const QByteArray& eingabe = {});

    QString programm_; // empty: not installed
    std::chrono::milliseconds wartezeit_;
    bool verfuegbar_;
};
