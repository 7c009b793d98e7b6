#pragma once

#include <QDate>
#include <QDateTime>

#include <optional>

// "Now" and "today" for the whole program; tests fix them.
class Clock {
public:
    static QDateTime now();
    static QDate today();
    static void setFixed(const QDateTime& now);
    static void reset();

private:
    static std::optional<QDateTime>& fixed();
};
