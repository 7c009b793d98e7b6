#include "evaluation/report/QRFahrerTagAuswertung.h"

#include "evaluation/report/ReportBands.h"

#include <QTime>

#include <optional>

namespace {

constexpr int minutenProTag = 24 * 60;

const ColumnGrid spalten({15, 42, 19, 14, 40, 6, 36});

std::optional<int> minuten(const QString& uhrzeit)
{
    const QTime time = QTime::fromString(uhrzeit.trimmed(), QStringLiteral("hh:mm"));
    if (!time.isValid())
        return std::nullopt;
    return time.hour() * 60 + time.minute();
}

QString uhrzeit(int minuten)
{
    return QTime(0, 0).addSecs(minuten * 60).toString(QStringLiteral("hh:mm"));
}

Band spaltenkopf()
{
    const TextStyle s = TextStyle::strong();
    Band band = spalten.band({{Cell{QStringLiteral("Abfahrt"), s}, Cell{QStringLiteral("Ankunft"), s}},
                              {Cell{QStringLiteral("von"), s}, Cell{QStringLiteral("nach"), s}},
                              {Cell::right(QStringLiteral("km-Abfahrt"), s), Cell::right(QStringLiteral("km-Ankunft"), s)},
                              {Cell::right(QStringLiteral("Dauer"), s), Cell::right(QStringLiteral("gef. km"), s)},
                              {Cell{QStringLiteral("Zweck"), s}, Cell{QStringLiteral("KFZ"), s}},
                              {Cell{QStringLiteral("Art"), s}},
                              {Cell{QStringLiteral("Bemerkung"), s}}});
    band.ruleBelow = true;
    return band;
}

Band detail(const QStringList& zeile)
{
    return spalten.band({{Cell{gridCell(zeile, 0)}, Cell{gridCell(zeile, 1)}},
                         {Cell{gridCell(zeile, 3)}, Cell{gridCell(zeile, 4)}},
                         {Cell::right(gridCell(zeile, 5)), Cell::right(gridCell(zeile, 6))},
                         {Cell::right(gridCell(zeile, 8)), Cell::right(gridCell(zeile, 7))},
                         {Cell{gridCell(zeile, 9)}, Cell{gridCell(zeile, 2)}},
                         {Cell{gridCell(zeile, 10)}},
                         {Cell{gridCell(zeile, 11)}}});
}

Band summe(const TQRFahrerTag::Beschriftung& b)
{
    const TextStyle s = TextStyle::strong();
    Band band = ColumnGrid({42, 24, 20, 24, 24})
                    .band({{Cell{QStringLiteral("Beginn der ersten Fahrt:"), s},
                            Cell{QStringLiteral("Ende der letzten Fahrt:"), s}, Cell{QStringLiteral("gefahrene km:"), s}},
                           {Cell::right(b.beginn), Cell::right(b.ende), Cell::right(b.gefahren)},
                           {},
                           {Cell{QStringLiteral("Unterwegs:"), s}, Cell{QStringLiteral("Fahrzeit:"), s},
                            Cell{QStringLiteral("Standzeit:"), s}},
                           {Cell::right(b.unterwegs), Cell::right(b.fahrzeit), Cell::right(b.standzeit)}});
    band.ruleAbove = true;
    band.padding = 2;
    return band;
}

} // namespace

TQRFahrerTag::Beschriftung TQRFahrerTag::QRFahrerTagBeforePrint(const FahrerTagBerichtDaten& daten)
{
    Beschriftung b;
    b.titel = QStringLiteral("Tagesauswertung vom ") + daten.tag;
    b.lAuswertDat = QStringLiteral("Fahrer: ") + daten.fahrer;
    // Only the sum row: the driver made no trip that day.
    if (daten.zeilen.size() < 2) {
        b.beginn = b.ende = QStringLiteral("-");
        b.gefahren = QStringLiteral("0");
        b.unterwegs = b.fahrzeit = b.standzeit = QStringLiteral("00:00");
        return b;
    }
    const QStringList& summe = daten.zeilen.back();
    b.fahrzeit = gridCell(summe, 8);
    b.gefahren = gridCell(summe, 7);
    b.beginn = gridCell(daten.zeilen.front(), 0);
    b.ende = gridCell(daten.zeilen[daten.zeilen.size() - 2], 1);

    const std::optional<int> beginn = minuten(b.beginn);
    const std::optional<int> ende = minuten(b.ende);
    const std::optional<int> fahrzeit = minuten(b.fahrzeit);
    if (!beginn || !ende || !fahrzeit) {
        b.unterwegs = b.standzeit = QStringLiteral("-");
        return b;
    }
    // A first trip that started the evening before ends the span after midnight.
    const int unterwegs = ((*ende - *beginn) % minutenProTag + minutenProTag) % minutenProTag;
    b.unterwegs = uhrzeit(unterwegs);
    b.standzeit = uhrzeit(std::max(0, unterwegs - *fahrzeit));
    return b;
}

ReportDefinition TQRFahrerTag::bericht(const FahrerTagBerichtDaten& daten)
{
    const Beschriftung b = QRFahrerTagBeforePrint(daten);
    ReportDefinition report;
    report.name = QStringLiteral("Tagesauswertung");
    report.page = PageSetup::a4(QPageLayout::Portrait, 12.7);
    report.pageHeader = reportPageHeader(b.titel, b.lAuswertDat, report.page.bodySize().width());
    report.columnHeader = spaltenkopf();
    // The last row is the sum row; the summary prints what it holds.
    for (std::size_t i = 0; i + 1 < daten.zeilen.size(); ++i) {
        Band band = detail(daten.zeilen[i]);
        band.ruleBelow = true;
        report.details.push_back(std::move(band));
    }
    report.summary = summe(b);
    return report;
}
