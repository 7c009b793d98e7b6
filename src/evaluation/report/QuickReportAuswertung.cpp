#include "evaluation/report/QuickReportAuswertung.h"

#include "common/Clock.h"
#include "common/GermanFormat.h"
#include "evaluation/report/ReportBands.h"

#include <cmath>

namespace {

const QString alle = QStringLiteral("alle");

QString km(qint64 kilometres)
{
    return QString::number(kilometres) + QStringLiteral(" km");
}

// Departure/arrival, from/to, odometers, vehicle/driver, category/purpose, kind, remark.
const ColumnGrid spalten({36, 48, 20, 44, 44, 7, 60});

Band spaltenkopf()
{
    const TextStyle s = TextStyle::strong();
    Band band =
        spalten.band({{Cell{QStringLiteral("Abfahrt"), s}, Cell{QStringLiteral("Ankunft"), s}},
                      {Cell{QStringLiteral("Von"), s}, Cell{QStringLiteral("Nach"), s}},
                      {Cell::right(QStringLiteral("KM-Abfahrt"), s), Cell::right(QStringLiteral("KM-Ankunft"), s)},
                      {Cell{QStringLiteral("Fahrzeug"), s}, Cell{QStringLiteral("Fahrer"), s}},
                      {Cell{QStringLiteral("Kategorie"), s}, Cell{QStringLiteral("Zweck"), s}},
                      {Cell{QStringLiteral("Art"), s}},
                      {Cell{QStringLiteral("Bemerkung"), s}, Cell{QStringLiteral("Erfasst"), s}}});
    band.ruleBelow = true;
    return band;
}

Band detail(const FahrtenZeile& fahrt)
{
    Band band = spalten.band({{Cell{german::dateTime(fahrt.abDat)}, Cell{german::dateTime(fahrt.anDat)}},
                              {Cell{fahrt.start}, Cell{fahrt.ziel}},
                              {Cell::right(QString::number(fahrt.kmAb)), Cell::right(QString::number(fahrt.kmAn))},
                              {Cell{fahrt.kfz}, Cell{fahrt.fahrer}},
                              {Cell{fahrt.kategorie}, Cell{fahrt.zweck}},
                              {Cell{fahrt.art}},
                              {Cell{fahrt.bemerkung}, Cell{fahrt.erfasst}}});
    band.ruleBelow = true;
    return band;
}

Band titel(const TQuickReport::Beschriftung& b)
{
    const TextStyle s = TextStyle::strong();
    return ColumnGrid({10, 70, 13, 58, 26, 90})
        .band({{Cell{QStringLiteral("KFZ:"), s}}, {Cell{b.lKFZ}}, {Cell{QStringLiteral("Fahrer:"), s}},
               {Cell{b.lFahrer}}, {Cell{QStringLiteral("gesetzte Filter:"), s}}, {Cell{b.lFilter}}});
}

Band summe(const TQuickReport::Beschriftung& b)
{
    const TextStyle s = TextStyle::strong();
    Band band = ColumnGrid({26, 18, 6, 14, 18, 6, 22, 18, 6, 24, 18, 6, 16, 20})
                    .band({{Cell{QStringLiteral("unzugeordnet"), s}}, {Cell::right(b.tU)}, {},
                           {Cell{QStringLiteral("privat"), s}}, {Cell::right(b.tP)}, {},
                           {Cell{QStringLiteral("Arbeitsweg"), s}}, {Cell::right(b.tA)}, {},
                           {Cell{QStringLiteral("geschäftlich"), s}}, {Cell::right(b.tG)}, {},
                           {Cell{QStringLiteral("Gesamt"), s}}, {Cell::right(b.tGesamt, s)}});
    band.padding = 2;
    return band;
}

Band legende(qreal bodyWidth)
{
    const qreal width = 30;
    const QStringList arten = {QStringLiteral("U - unzugeordnet"), QStringLiteral("P - privat"),
                               QStringLiteral("A - Arbeitsweg"), QStringLiteral("G - geschäftlich")};
    Band band;
    qreal x = bodyWidth - width * arten.size();
    for (const QString& art : arten) {
        band.columns.push_back(BandColumn{x, width, {Cell::right(art)}});
        x += width;
    }
    band.ruleAbove = true;
    return band;
}

// "Korrekturen": every correction and cancellation in the period, old and new values, when, why.
std::vector<Band> korrekturAbschnitt(const std::vector<KorrekturZeile>& korrekturen)
{
    Band titel = ColumnGrid({100}).band({{Cell{QStringLiteral("Korrekturen"), TextStyle::strong()}}});
    titel.ruleBelow = true;
    titel.padding = 2;
    std::vector<Band> baender{titel};
    if (korrekturen.empty())
        baender.push_back(ColumnGrid({100}).band({{Cell{QStringLiteral("keine Korrekturen im Zeitraum")}}}));
    const ColumnGrid spalten({80, 60, 128});
    for (const KorrekturZeile& k : korrekturen) {
        std::vector<Cell> aenderungen;
        for (const QString& aenderung : k.aenderungen)
            aenderungen.push_back(Cell{aenderung});
        Band band =
            spalten.band({{Cell{k.fahrt}, Cell{k.vorgang}}, {Cell{QStringLiteral("Grund: ") + k.grund}}, aenderungen});
        band.ruleBelow = true;
        baender.push_back(std::move(band));
    }
    return baender;
}

} // namespace

KilometerJeArt artSummen(const std::vector<FahrtenZeile>& fahrten, const std::function<void(int)>& progress)
{
    KilometerJeArt summen;
    const std::size_t anzahl = fahrten.size();
    for (std::size_t row = 0; row < anzahl; ++row) {
        const FahrtenZeile& fahrt = fahrten[row];
        summen.hinzufuegen(fahrt.art, fahrt.kmAn - fahrt.kmAb);
        if (progress)
            progress(static_cast<int>(std::lround(100.0 * (row + 1) / anzahl)));
    }
    return summen;
}

QString gesetzteFilter(const FilterTexte& filter)
{
    QString text;
    if (filter.von != alle || filter.nach != alle)
        text += QStringLiteral("Adresse, ");
    const std::pair<const QString&, const char*> listen[] = {{filter.zweck, "Zweck, "},
                                                             {filter.kategorie, "Kategorie, "},
                                                             {filter.art, "Art, "},
                                                             {filter.bemerkung, "Bemerkung, "}};
    for (const auto& [auswahl, name] : listen)
        if (auswahl != alle)
            text += QString::fromUtf8(name);
    const QString von = filter.kmAbf.trimmed();
    const QString bis = filter.kmAnk.trimmed();
    if (!von.isEmpty() && !bis.isEmpty())
        text += QStringLiteral("von ") + von + QStringLiteral(" km bis ") + bis + QStringLiteral(" km  ");
    else if (!von.isEmpty())
        text += QStringLiteral("ab ") + von + QStringLiteral(" km  ");
    else if (!bis.isEmpty())
        text += QStringLiteral("bis ") + bis + QStringLiteral(" km  ");
    if (text.isEmpty())
        text = QStringLiteral("kein Filter gesetzt  ");
    text.chop(2);
    return text;
}

QString auswertungsZeitraum(const std::optional<QDate>& abDatum, const std::optional<QDate>& anDatum,
                            const std::vector<FahrtenZeile>& fahrten)
{
    const QDate von = abDatum ? *abDatum : fahrten.empty() ? german::noDate() : fahrten.front().abDat.date();
    const QDate bis = anDatum ? *anDatum : fahrten.empty() ? Clock::today() : fahrten.back().anDat.date();
    return QStringLiteral("Auswertung vom ") + german::date(von) + QStringLiteral(" bis ") + german::date(bis);
}

TQuickReport::Beschriftung TQuickReport::QuickRepBeforePrint(const FahrtenBerichtDaten& daten)
{
    const KilometerJeArt& s = daten.summen;
    return Beschriftung{auswertungsZeitraum(daten.abDatum, daten.anDatum, daten.fahrten),
                        daten.kfz,
                        daten.fahrer,
                        gesetzteFilter(daten.filter),
                        km(s.unzugeordnet),
                        km(s.privat),
                        km(s.arbeitsweg),
                        km(s.geschaeftlich),
                        km(s.gesamt())};
}

ReportDefinition TQuickReport::bericht(const FahrtenBerichtDaten& daten)
{
    const Beschriftung b = QuickRepBeforePrint(daten);
    ReportDefinition report;
    report.name = QStringLiteral("Fahrtenbuch");
    report.page = PageSetup::a4(QPageLayout::Landscape, 10);
    const qreal breite = report.page.bodySize().width();
    report.pageHeader = reportPageHeader(QStringLiteral("Fahrtenbuch"), b.lAuswertDat, breite);
    report.title = titel(b);
    report.columnHeader = spaltenkopf();
    report.details.reserve(daten.fahrten.size());
    for (const FahrtenZeile& fahrt : daten.fahrten)
        report.details.push_back(detail(fahrt));
    report.summary = summe(b);
    report.closing = korrekturAbschnitt(daten.korrekturen);
    report.pageFooter = legende(breite);
    return report;
}
