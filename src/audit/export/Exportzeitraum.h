#pragma once

#include <QDate>
#include <QString>

#include <optional>

// What the auditor asked for: the trips departing within a period, of one vehicle or of all.
struct Exportzeitraum {
    QDate von;
    QDate bis;
    std::optional<int> fahrzeug;
    QString kennzeichen; // of that vehicle, for the description; empty for all
};
