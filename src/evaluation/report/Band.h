#pragma once

#include "evaluation/report/TextStyle.h"

#include <QString>

#include <vector>

// The building blocks of a banded report. A band is a strip across the page; its columns stand
// side by side, and the cells of one column are stacked (a two-line detail has two cells per
// column). A cell whose text is wider than its column wraps and makes the band taller, so no
// text is cut off. Lengths are millimetres.

enum class CellContent {
    Text,
    // "Seite <page> von <total>", filled in once the page count is known.
    PageOfPages,
};

struct Cell {
    QString text;
    TextStyle style = TextStyle::normal();
    Qt::Alignment alignment = Qt::AlignLeft;
    CellContent content = CellContent::Text;

    static Cell right(const QString& text, TextStyle style = TextStyle::normal())
    {
        return Cell{text, style, Qt::AlignRight};
    }
    static Cell pageOfPages() { return Cell{{}, TextStyle::normal(), Qt::AlignRight, CellContent::PageOfPages}; }
};

struct BandColumn {
    qreal x = 0;
    qreal width = 0;
    std::vector<Cell> cells;
};

struct Band {
    std::vector<BandColumn> columns;
    bool ruleAbove = false;
    bool ruleBelow = false;
    // Space between the band's edges and its texts.
    qreal padding = 0.8;

    bool isEmpty() const { return columns.empty(); }
};
