#include "evaluation/report/Verfahrensdokumentation.h"

#include "audit/export/VerfahrensangabenStore.h"
#include "audit/export/Verfahrenstext.h"
#include "common/Exportziel.h"
#include "common/VarnoError.h"

#include <QDir>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace verfahrensdokumentation {

namespace {

[[noreturn]] void nichtGeschrieben(const QString& pfad)
{
    throw VarnoError(
        QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(QDir::toNativeSeparators(pfad)));
}

} // namespace

// Written beside the target and renamed over it, as the reports are: a failure leaves an earlier
// file whole.
void schreiben(const QString& pfad)
{
    QTextDocument dokument;
    dokument.setHtml(verfahrenstext::html(VerfahrensangabenStore::lesen()));
    QSaveFile datei(exportziel::aufloesen(pfad, true));
    if (!datei.open(QIODevice::WriteOnly))
        nichtGeschrieben(pfad);
    {
        QPdfWriter writer(&datei);
        writer.setTitle(QStringLiteral("Verfahrensdokumentation"));
        writer.setCreator(QStringLiteral("Varno"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        dokument.print(&writer);
    }
    if (!datei.commit())
        nichtGeschrieben(pfad);
}

} // namespace verfahrensdokumentation
