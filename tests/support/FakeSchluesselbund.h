#pragma once

#include "common/Schluesselbund.h"

#include <QHash>

// A keyring in memory for tests of the login, counting how often it was read.
class FakeSchluesselbund : public Schluesselbund {
public:
    // Installs a fresh one as the process-wide keyring and returns it (owned by Schluesselbund).
    static FakeSchluesselbund& einsetzen(Nutzung nutzung);

    bool verfuegbar() override { return true; }
    std::optional<QString> nachschlagen(const Zugang& zugang) override;
    bool speichern(const Zugang& zugang, const QString& passwort) override;
    void vergessen(const Zugang& zugang) override;

    // The one password held, if any: the tests use one server.
    std::optional<QString> einziges() const;
    int nachgeschlagen() const { return nachgeschlagen_; }

private:
    QHash<QString, QString> passwoerter_;
    int nachgeschlagen_ = 0;
};
