#pragma once

#include <QList>
#include <QString>

class QTableView;

// The widest texts of columns whose cells all follow one format; a 0 stands for any digit.
namespace spaltenmuster {
inline const QString datum = QStringLiteral("00.00.0000");
inline const QString datumZeit = QStringLiteral("00.00.0000 00:00:00");
inline const QString tagUndUhrzeit = QStringLiteral("00.00 00:00");
inline const QString uhrzeit = QStringLiteral("00:00:00");
inline const QString kurzeUhrzeit = QStringLiteral("00:00");
inline const QString kilometerstand = QStringLiteral("0000000");
inline const QString strecke = QStringLiteral("0000");
inline const QString zahl = QStringLiteral("0");
inline const QString art = QStringLiteral("W");
} // namespace spaltenmuster

// A grid column: its width made for the reference font and, for a column of dates, times,
// kilometres or kinds of trip, the widest text its format allows.
struct Rasterspalte {
    Rasterspalte(int breite, QString muster = {}) : breite(breite), muster(std::move(muster)) {}

    int breite;
    QString muster;
};

namespace rasterspalten {

// Gives the grid's columns their widths, scaled to the font. A column with a pattern is never
// narrower than the pattern, its header and the cells it already holds (Qt measures up to a
// thousand rows; the pattern answers for the rest of a long list and for later fillings). Every
// column stays resizable, a double click on a header border fits a column to its content, and a
// cell too narrow for its text shows it on one line, elided, and whole as a tooltip.
void setzen(QTableView* raster, const QList<Rasterspalte>& spalten);

// The column width a cell of the grid needs to show the text uncut.
int zellbreite(const QTableView* raster, const QString& text);

// The pattern's text in the grid's font, each 0 replaced by its widest digit.
QString musterText(const QTableView* raster, const QString& muster);

} // namespace rasterspalten
