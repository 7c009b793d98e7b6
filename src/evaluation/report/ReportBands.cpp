#include "evaluation/report/ReportBands.h"

#include "common/Clock.h"
#include "common/GermanFormat.h"

ColumnGrid::ColumnGrid(std::vector<qreal> widths, qreal gap) : widths_(std::move(widths)), gap_(gap) {}

Band ColumnGrid::band(std::vector<std::vector<Cell>> cellsPerColumn) const
{
    Band band;
    qreal x = 0;
    for (std::size_t i = 0; i < widths_.size() && i < cellsPerColumn.size(); ++i) {
        band.columns.push_back(BandColumn{x, widths_[i], std::move(cellsPerColumn[i])});
        x += widths_[i] + gap_;
    }
    return band;
}

Band ColumnGrid::figureRow(const QStringList& cells, TextStyle style) const
{
    std::vector<std::vector<Cell>> cellsPerColumn{{Cell{gridCell(cells, 0), style}}};
    for (int i = 1; i < static_cast<int>(widths_.size()); ++i)
        cellsPerColumn.push_back({Cell::right(gridCell(cells, i), style)});
    return band(std::move(cellsPerColumn));
}

Band reportPageHeader(const QString& title, const QString& auswertDat, qreal bodyWidth)
{
    const QDateTime printed = Clock::now();
    const qreal pageWidth = 45;
    Band band;
    band.columns.push_back(BandColumn{0, bodyWidth - pageWidth - 3,
                                      {Cell{title, TextStyle::heading()}, Cell{auswertDat, TextStyle::strong()}}});
    band.columns.push_back(BandColumn{bodyWidth - pageWidth, pageWidth,
                                      {Cell::pageOfPages(),
                                       Cell::right(german::date(printed.date()) + QLatin1Char(' ') +
                                                   german::time(printed.time()))}});
    band.ruleBelow = true;
    return band;
}
