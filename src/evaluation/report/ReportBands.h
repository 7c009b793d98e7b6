#pragma once

#include "evaluation/report/Band.h"

#include <QString>
#include <QStringList>

#include <vector>

// Pieces the Varno reports share: table columns side by side and the page header.

// Positions of a row of columns of the given widths (mm), separated by a small gap.
class ColumnGrid {
public:
    explicit ColumnGrid(std::vector<qreal> widths, qreal gap = 2);

    // A band with one column per grid column; each inner vector holds that column's stacked cells.
    Band band(std::vector<std::vector<Cell>> cellsPerColumn) const;
    // A table row of a name followed by figures: one cell per column from `cells` (empty where the
    // list is short), the first at the left, the others at the right.
    Band figureRow(const QStringList& cells, TextStyle style = TextStyle::normal()) const;

private:
    std::vector<qreal> widths_;
    qreal gap_;
};

// Report title at the left with the evaluation's period below it, and at the right "Seite x von y"
// above the date and time of printing, taken from the program's clock.
Band reportPageHeader(const QString& title, const QString& auswertDat, qreal bodyWidth);

// Column i of a grid row; a row shorter than that prints an empty cell.
inline QString gridCell(const QStringList& row, int column)
{
    return column < row.size() ? row[column] : QString();
}
