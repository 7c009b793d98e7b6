#pragma once

#include <QDate>
#include <QString>

// The file names the program proposes for what it exports, such as "Fahrten_B-XY-1_2025.csv".
namespace exportname {

// A plate or a name as part of a file name: every run of characters other than letters, digits,
// "-" and "." becomes one "-"; nothing is left at either end. "B-XY 1, Golf" gives "B-XY-1-Golf".
QString namensteil(const QString& text);

// "2025" for a period within one year, "2024-2025" for one that spans several.
QString zeitraum(const QDate& von, const QDate& bis);

// "<art>_<wer>_<zeitraum>.<endung>"; an empty part is left out with its "_".
QString dateiname(const QString& art, const QString& wer, const QString& zeitraum, const QString& endung);

// The path with the extension added when its file name has none.
QString mitEndung(const QString& pfad, const QString& endung);

} // namespace exportname
