#pragma once

#include <QStringView>
#include <QtGlobal>

// Kilometres per kind of trip, by the kind's short form "U", "P", "A", "G".
struct KilometerJeArt {
    qint64 unzugeordnet = 0;
    qint64 privat = 0;
    qint64 arbeitsweg = 0;
    qint64 geschaeftlich = 0;

    // Counts a trip's kilometres to the kind its short form begins with; other kinds (the start
    // record "n") count nowhere.
    void hinzufuegen(QStringView kuerzel, qint64 km);

    qint64 gesamt() const { return unzugeordnet + privat + arbeitsweg + geschaeftlich; }
    bool operator==(const KilometerJeArt&) const = default;
};
