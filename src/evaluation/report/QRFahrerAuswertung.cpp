#include "evaluation/report/QRFahrerAuswertung.h"

#include "evaluation/report/ReportBands.h"

namespace {

const ColumnGrid spalten({44, 26, 26, 26, 26, 26});

Band spaltenkopf()
{
    Band band =
        spalten.figureRow({QStringLiteral("Fahrer"), QStringLiteral("Fahrtanzahl"), QStringLiteral("Unterwegs"),
                           QStringLiteral("Fahrzeit"), QStringLiteral("gefahrene km"), QStringLiteral("Standzeit")},
                          TextStyle::strong());
    band.ruleBelow = true;
    return band;
}

Band detail(const QStringList& zeile)
{
    Band band = spalten.figureRow(zeile);
    band.ruleBelow = true;
    return band;
}

} // namespace

QString TQRFahrer::QRFahrerBeforePrint(const DatumsAuswahl& datum)
{
    if (!datum.abDatGesetzt && !datum.anDatGesetzt)
        return QStringLiteral("alle Fahrer über alle Tage");
    QString text = QStringLiteral("alle Fahrer");
    if (datum.abDatGesetzt)
        text += QStringLiteral(" vom ") + datum.von;
    text += QStringLiteral(" bis ") + (datum.anDatGesetzt ? datum.bis : QStringLiteral("heute"));
    return text;
}

ReportDefinition TQRFahrer::bericht(const FahrerBerichtDaten& daten)
{
    ReportDefinition report;
    report.name = QStringLiteral("Fahrerauswertung");
    report.page = PageSetup::a4(QPageLayout::Portrait, 12.7);
    report.pageHeader = reportPageHeader(QStringLiteral("Fahrerauswertung"), QRFahrerBeforePrint(daten.datum),
                                         report.page.bodySize().width());
    report.columnHeader = spaltenkopf();
    for (const QStringList& zeile : daten.zeilen)
        report.details.push_back(detail(zeile));
    return report;
}
