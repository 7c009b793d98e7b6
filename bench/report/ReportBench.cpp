// The trip report of many trips: laying out must grow linearly with the rows, and 10,000 trips
// laid out and written to PDF must take well under ten seconds.
#include "Messung.h"

#include "evaluation/report/PdfExport.h"
#include "evaluation/report/QuickReportAuswertung.h"
#include "evaluation/report/ReportLayout.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

FahrtenBerichtDaten fahrten(int anzahl)
{
    FahrtenBerichtDaten daten;
    daten.kfz = QStringLiteral("B-XY 1, Golf");
    daten.fahrer = QStringLiteral("alle");
    const QDateTime beginn(QDate(2005, 1, 1), QTime(8, 0));
    for (int i = 0; i < anzahl; ++i) {
        const QDateTime ab = beginn.addSecs(i * 3600LL * 5);
        daten.fahrten.push_back(FahrtenZeile{ab, ab.addSecs(2400), QStringLiteral("Berlin Hauptstraße 12"),
                                             QStringLiteral("Potsdam Lindenallee 3"), 1000 + i * 40, 1035 + i * 40,
                                             QStringLiteral("B-XY 1, Golf"), QStringLiteral("Meier"),
                                             QStringLiteral("Kundenbesuch"), QStringLiteral("Vertrieb"),
                                             QStringLiteral("G"),
                                             i % 10 == 0 ? QStringLiteral("Muster und Preisliste beim Kunden "
                                                                          "abgegeben, Rückfahrt über das Lager")
                                                         : QString()});
    }
    daten.summen = artSummen(daten.fahrten);
    return daten;
}

void fahrtenberichtLayout(benchmark::State& state)
{
    const FahrtenBerichtDaten daten = fahrten(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(layOutReport(TQuickReport::bericht(daten)).pageCount());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(fahrtenberichtLayout)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();

void fahrtenberichtPdf(benchmark::State& state)
{
    const FahrtenBerichtDaten daten = fahrten(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString datei = dir.filePath(QStringLiteral("fahrtenbuch.pdf"));
    Messung messung(QStringLiteral("pdf"));
    for (auto _ : state)
        messung.messen([&] { writePdf(layOutReport(TQuickReport::bericht(daten)), datei); });
}
BENCHMARK(fahrtenberichtPdf)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    grenzeZeigen(QStringLiteral("Fahrtenbericht von 10.000 Fahrten als PDF"), gemessenMs(QStringLiteral("pdf")),
                 QStringLiteral("ms"), 10000);
    return 0;
}
