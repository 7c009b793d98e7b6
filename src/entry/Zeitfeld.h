#pragma once

#include <QString>
#include <QTime>

#include <optional>

// The time fields of the trip entry hold "hh:mm" with blanks in unfilled digit places, so an
// empty field reads "  :  ". These rules work on that five-character text.
namespace zeitfeld {

inline const QString leer = QStringLiteral("  :  ");

bool istLeer(const QString& text);

// The field is complete once its last minute digit is typed.
bool minutenKomplett(const QString& text);

// What leaving the field makes of a partly typed time: one-digit hours and minutes get a leading
// zero, missing hours or minutes become "00". An empty field stays empty; anything else is
// written back unchanged in its hour places (99:99 stays for the save to reject).
QString vervollstaendigen(const QString& text);

// A time of day from 00:00 to 23:59, or nothing when the text is not one.
std::optional<QTime> lesen(const QString& text);

} // namespace zeitfeld
