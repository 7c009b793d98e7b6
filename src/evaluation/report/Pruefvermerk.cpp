#include "evaluation/report/Pruefvermerk.h"

#include <QStringList>

namespace {
constexpr qreal vermerkBreite = 120;
}

void pruefvermerkEinfuegen(ReportDefinition& report, const QString& vermerk)
{
    Band& fuss = report.pageFooter;
    BandColumn spalte{0, vermerkBreite, {}};
    for (const QString& zeile : vermerk.split(QLatin1Char('\n')))
        spalte.cells.push_back(Cell{zeile});
    fuss.columns.insert(fuss.columns.begin(), spalte);
    fuss.ruleAbove = true;
}
