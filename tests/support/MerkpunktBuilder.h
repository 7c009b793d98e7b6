#pragma once

#include <QDateTime>
#include <QString>

// Builders for what a card import leaves behind: waypoints and the card-to-driver assignment.
namespace build {

struct Merkpunkt {
    QDateTime zeit;
    int km = 0;
    QString bemerkung;
    QString karte = QStringLiteral("123456789"); // card identifier
    QString kfzSchluessel;
};
void merkpunkt(const Merkpunkt& m);

// Assigns the card to the driver (T_CF).
void kartenfahrer(const QString& karte, int fahrerId);

} // namespace build
