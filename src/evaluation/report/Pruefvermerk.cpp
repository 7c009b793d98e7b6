#include "evaluation/report/Pruefvermerk.h"

namespace {
constexpr qreal vermerkBreite = 120;
}

void pruefvermerkEinfuegen(ReportDefinition& report, const QString& vermerk)
{
    Band& fuss = report.pageFooter;
    fuss.columns.insert(fuss.columns.begin(), BandColumn{0, vermerkBreite, {Cell{vermerk}}});
    fuss.ruleAbove = true;
}
