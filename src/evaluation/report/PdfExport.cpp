#include "evaluation/report/PdfExport.h"

#include "common/VarnoError.h"
#include "evaluation/report/ReportPainter.h"

#include <QDir>
#include <QPdfWriter>

void writePdf(const LaidOutReport& report, const QString& path)
{
    QPdfWriter writer(path);
    writer.setTitle(report.name);
    writer.setCreator(QStringLiteral("Varno"));
    if (!paintReport(report, writer))
        throw VarnoError(QStringLiteral("Die Datei \"") + QDir::toNativeSeparators(path) +
                         QStringLiteral("\" konnte nicht geschrieben werden."));
}
