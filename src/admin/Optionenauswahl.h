#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The item lists of the options window and how stored values map onto them.
namespace optionenauswahl {

// "1 h" ... "24 h".
QStringList fahrtdauerEintraege();
// "50 km/h" ... "150 km/h" in steps of 10.
QStringList geschwindigkeitEintraege();

// The item showing `stunden`; none for values outside 1 to 24.
std::optional<int> fahrtdauerIndex(int stunden);
// The item showing `kmh`; the last item, "150 km/h", for any value not in the list.
int geschwindigkeitIndex(int kmh);

// The number at the start of an item text, read up to the first non-digit; 0 for none.
int zahlAmAnfang(const QString& text);

} // namespace optionenauswahl
