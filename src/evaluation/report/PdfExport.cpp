#include "evaluation/report/PdfExport.h"

#include "common/Exportziel.h"
#include "common/VarnoError.h"
#include "evaluation/report/ReportPainter.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

[[noreturn]] void nichtGeschrieben(const QString& path)
{
    throw VarnoError(QStringLiteral("Die Datei \"") + QDir::toNativeSeparators(path) +
                     QStringLiteral("\" konnte nicht geschrieben werden."));
}

} // namespace

// Written beside the target and renamed over it: a failed report leaves the earlier file whole.
// A link chosen as target is written through, so the link itself stays.
void writePdf(const LaidOutReport& report, const QString& path)
{
    QSaveFile datei(exportziel::aufloesen(path, true));
    if (!datei.open(QIODevice::WriteOnly))
        nichtGeschrieben(path);
    {
        QPdfWriter writer(&datei);
        writer.setTitle(report.name);
        writer.setCreator(QStringLiteral("Varno"));
        if (!paintReport(report, writer))
            nichtGeschrieben(path);
    }
    if (!datei.commit())
        nichtGeschrieben(path);
}
