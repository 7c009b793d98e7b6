#include "evaluation/report/Pruefvermerk.h"

#include <QStringList>

#include <algorithm>

namespace {
constexpr qreal vermerkBreite = 120;
}

// The Prüfwert's 32 digits need a line of their own width: the vermerk spans the footer and
// starts below what the footer holds already (the legend at its right).
void pruefvermerkEinfuegen(ReportDefinition& report, const QString& vermerk)
{
    Band& fuss = report.pageFooter;
    qreal breite = vermerkBreite;
    for (const BandColumn& spalte : fuss.columns)
        breite = std::max(breite, spalte.x + spalte.width);
    BandColumn spalte{0, breite, {}};
    if (!fuss.columns.empty())
        spalte.cells.push_back(Cell{QString()});
    for (const QString& zeile : vermerk.split(QLatin1Char('\n')))
        spalte.cells.push_back(Cell{zeile});
    fuss.columns.insert(fuss.columns.begin(), spalte);
    fuss.ruleAbove = true;
}
