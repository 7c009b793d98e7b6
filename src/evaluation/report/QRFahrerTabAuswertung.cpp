#include "evaluation/report/QRFahrerTabAuswertung.h"

#include "evaluation/report/ReportBands.h"

namespace {

const ColumnGrid spalten({24, 18, 18, 28, 28, 26, 28});

Band spaltenkopf()
{
    Band band = spalten.figureRow({QStringLiteral("Datum"), QStringLiteral("Beginn"), QStringLiteral("Ende"),
                                   QStringLiteral("Unterwegs"), QStringLiteral("Fahrzeit"),
                                   QStringLiteral("gefahrene km"), QStringLiteral("Standzeit")},
                                  TextStyle::strong());
    band.ruleBelow = true;
    return band;
}

Band detail(const QStringList& zeile)
{
    return spalten.figureRow(zeile);
}

Band summe(const TQRFahrerTab::Beschriftung& b)
{
    const TextStyle s = TextStyle::strong();
    Band band = spalten.band({{Cell{QStringLiteral("Summe:"), s}},
                              {},
                              {},
                              {Cell::right(b.QRLabelUnterwegs, s)},
                              {Cell::right(b.QRLabelFahrzeit, s)},
                              {Cell::right(b.QRLabelgefkm, s)},
                              {Cell::right(b.QRLabelStandzeit, s)}});
    band.ruleAbove = true;
    return band;
}

} // namespace

TQRFahrerTab::Beschriftung TQRFahrerTab::QRFahrerTabBeforePrint(const FahrerTabBerichtDaten& daten)
{
    const DatumsAuswahl& datum = daten.datum;
    QString zeitraum = QStringLiteral("Fahrer: ") + daten.fahrer;
    if (datum.abDatGesetzt)
        zeitraum += QStringLiteral(" vom ") + datum.von;
    if (datum.abDatGesetzt || datum.anDatGesetzt)
        zeitraum += QStringLiteral(" bis ") + (datum.anDatGesetzt ? datum.bis : QStringLiteral("heute"));
    else
        zeitraum += QStringLiteral(" über alle Tage");

    const QStringList summe = daten.zeilen.empty() ? QStringList() : daten.zeilen.back();
    return Beschriftung{zeitraum, gridCell(summe, 3), gridCell(summe, 4), gridCell(summe, 5), gridCell(summe, 6)};
}

ReportDefinition TQRFahrerTab::bericht(const FahrerTabBerichtDaten& daten)
{
    const Beschriftung b = QRFahrerTabBeforePrint(daten);
    ReportDefinition report;
    report.name = QStringLiteral("Fahrerauswertung");
    report.page = PageSetup::a4(QPageLayout::Portrait, 12.7);
    report.pageHeader =
        reportPageHeader(QStringLiteral("Fahrerauswertung"), b.lAuswertDat, report.page.bodySize().width());
    report.columnHeader = spaltenkopf();
    // The last row is the sum row; the summary prints it.
    for (std::size_t i = 0; i + 1 < daten.zeilen.size(); ++i)
        report.details.push_back(detail(daten.zeilen[i]));
    report.summary = summe(b);
    return report;
}
