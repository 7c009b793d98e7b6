#pragma once

#include <QStringList>
#include <QTemporaryDir>

// libsecret's secret-tool replaced by a shell script in a temporary folder put first on PATH for
// as long as this lives: it keeps each entry in a file named after its attributes, reads the
// password from standard input and logs every command line it gets.
class SecretToolNachbau {
public:
    // `skript`: another tool to put there instead; null: none at all, PATH is the empty folder only.
    explicit SecretToolNachbau(const char* skript = nachbau);
    ~SecretToolNachbau();
    SecretToolNachbau(const SecretToolNachbau&) = delete;
    SecretToolNachbau& operator=(const SecretToolNachbau&) = delete;

    // The command lines the tool got, one a line without "secret-tool"; the script must log them
    // to the file "aufrufe" beside it.
    QStringList aufrufe() const;

    static const char* const nachbau;

private:
    QTemporaryDir ordner_;
    QByteArray pfadVorher_;
};
