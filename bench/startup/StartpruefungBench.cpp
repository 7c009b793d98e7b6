// The check the program runs on its logbook before opening it, on a logbook of 1,000,000 trips
// (about 117 MB): what it adds to the start. Next to it the opening itself, which the start did
// before as well, and the floor: the sqlite3 shell running quick_check alone.
#include "Grosslogbuch.h"
#include "Messung.h"
#include "Sqlite3Shell.h"

#include "logbuch/Logbuch.h"
#include "start/Startdateipruefung.h"
#include "db/Database.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

Grosslogbuch* offenesLogbuch = nullptr;

const QString& datei()
{
    return offenesLogbuch->datei();
}

void BM_Startpruefung(benchmark::State& state)
{
    const Startdateipruefung pruefung;
    Messung messung(QStringLiteral("startpruefung"));
    for (auto _ : state) {
        bool gesund = false;
        messung.messen([&] { gesund = pruefung.pruefen(datei()).weiter == Startbefund::Weiter::Oeffnen; });
        if (!gesund)
            state.SkipWithError("das Logbuch gilt nicht als gesund");
    }
}

void BM_Oeffnen(benchmark::State& state)
{
    for (auto _ : state) {
        Database::schliessen();
        Logbuch::oeffnen(datei());
    }
}

void BM_QuickCheck_sqlite3(benchmark::State& state)
{
    sqlite3Shell(state, datei(), QStringLiteral("PRAGMA quick_check"), QStringLiteral("quick_check"));
}

} // namespace

BENCHMARK(BM_Startpruefung)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Oeffnen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuickCheck_sqlite3)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Grosslogbuch logbuch;
    offenesLogbuch = &logbuch;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    verhaeltnisZeigen(QStringLiteral("Startprüfung eines Logbuchs von 1.000.000 Fahrten gegen quick_check"),
                      QStringLiteral("startpruefung"), QStringLiteral("quick_check"));
    return 0;
}
