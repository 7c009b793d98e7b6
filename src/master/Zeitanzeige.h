#pragma once

#include <QString>
#include <QVariant>

// A stored date-time as the lists show it: "24.12.2005 14:05:00", or just "24.12.2005" at
// midnight; empty for no time.
QString zeitpunktAnzeige(const QVariant& gespeichert);
