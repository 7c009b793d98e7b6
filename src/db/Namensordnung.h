#pragma once

#include <QString>
#include <QStringView>

// Names of places, purposes, categories, drivers and vehicles compare as a German reader expects:
// without regard to case, umlauts beside their base letters ("Ärztehaus" among the A, "büro" the
// same place as "Büro"). SQLite itself orders by code point, so the connection gets a collation
// for it; statements name it only through spalte(), the one place another engine would change.
namespace namensordnung {

// The column compared and sorted as names: "<spalte> COLLATE DEUTSCH".
QString spalte(QStringView spalte);

// Below, equal to or above zero as a sorts before, like or after b.
int vergleichen(QStringView a, QStringView b);
bool gleich(QStringView a, QStringView b);

// Makes the collation known to the open connection. Throws DatabaseError.
void einrichten();

} // namespace namensordnung
