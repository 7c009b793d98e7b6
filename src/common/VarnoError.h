#pragma once

#include <QString>

#include <stdexcept>

// Base of the program's own errors; the message is shown to the user as it stands.
class VarnoError : public std::runtime_error {
public:
    explicit VarnoError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message)
    {
    }
    const QString& message() const { return message_; }

private:
    QString message_;
};
