// The evaluation on a logbook of 1,000,000 trips (10 vehicles, 20 drivers, 10 years), each view
// next to the sqlite3 shell running the same statement on the same file: that is the floor.
#include "Grosslogbuch.h"
#include "Sqlite3Shell.h"

#include "evaluation/AuswertungStore.h"
#include "evaluation/Fahrerauswertung.h"
#include "evaluation/ui/FahrtenlistenModell.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr int fahrer = Grosslogbuch::fahrer;
constexpr int erstesFahrzeug = Grosslogbuch::erstesFahrzeug;
constexpr int einFahrer = 7;

Grosslogbuch* offenesLogbuch = nullptr;

Grosslogbuch& logbuch()
{
    return *offenesLogbuch;
}

// The statement with its values written in, for the shell; the values are our own numbers and dates.
QString mitWerten(const AuswertungStore::Abfrage& abfrage)
{
    QString sql;
    qsizetype wert = 0;
    for (const QChar zeichen : abfrage.sql) {
        if (zeichen != QLatin1Char('?')) {
            sql += zeichen;
            continue;
        }
        const QVariant& v = abfrage.werte.at(wert++);
        sql += v.typeId() == QMetaType::QString ? QLatin1Char('\'') + v.toString() + QLatin1Char('\'') : v.toString();
    }
    return sql;
}

void shell(benchmark::State& state, const AuswertungStore::Abfrage& abfrage)
{
    sqlite3Shell(state, logbuch().datei(), mitWerten(abfrage));
}

Fahrtenfilter alleJahre()
{
    Fahrtenfilter filter = Fahrtenfilter::zurueckgesetzt(QDate(2026, 1, 1), true);
    return filter;
}

Fahrtenfilter einFahrzeugEinJahr()
{
    Fahrtenfilter filter = alleJahre();
    filter.fahrzeug = erstesFahrzeug;
    filter.abfahrtAb = filtergrenzen::abfahrtAb(QDate(2020, 1, 1));
    filter.ankunftBis = filtergrenzen::ankunftBis(QDate(2020, 12, 31));
    return filter;
}

void fahrtenlisteFuellen(benchmark::State& state, const Fahrtenfilter& filter)
{
    QTableView ansicht;
    FahrtenlistenModell modell;
    ansicht.setModel(&modell);
    ansicht.resize(988, 300);
    ansicht.show();
    std::size_t zeilen = 0;
    for (auto _ : state) {
        // As the window does: with progress reports.
        modell.setzen(AuswertungStore().fahrten(filter, [](int prozent) { benchmark::DoNotOptimize(prozent); }));
        QApplication::processEvents();
        zeilen = modell.liste().anzahl();
    }
    state.counters["Fahrten"] = static_cast<double>(zeilen);
}

void BM_FahrtenEinFahrzeugEinJahr(benchmark::State& state)
{
    fahrtenlisteFuellen(state, einFahrzeugEinJahr());
}

void BM_FahrtenEinFahrzeugEinJahr_sqlite3(benchmark::State& state)
{
    shell(state, AuswertungStore::fahrtenAbfrage(einFahrzeugEinJahr()));
}

void BM_FahrtenAlle(benchmark::State& state)
{
    fahrtenlisteFuellen(state, alleJahre());
}

void BM_FahrtenAlle_sqlite3(benchmark::State& state)
{
    shell(state, AuswertungStore::fahrtenAbfrage(alleJahre()));
}

void BM_FahrerJeTag(benchmark::State& state)
{
    const Fahrtenfilter filter = alleJahre();
    for (auto _ : state) {
        const auto tage = fahrerauswertung::tage(
            AuswertungStore().fahrtenEinesFahrers(einFahrer, filter.abfahrtAb, filter.ankunftBis));
        benchmark::DoNotOptimize(fahrerauswertung::tageTabelle(tage));
    }
}

void BM_FahrerJeTag_sqlite3(benchmark::State& state)
{
    const Fahrtenfilter filter = alleJahre();
    shell(state, AuswertungStore::fahrerAbfrage(einFahrer, filter.abfahrtAb, filter.ankunftBis));
}

void BM_AlleFahrer(benchmark::State& state)
{
    const Fahrtenfilter filter = alleJahre();
    for (auto _ : state) {
        std::vector<fahrerauswertung::Fahrersumme> summen;
        for (const auto& f : AuswertungStore().fahrerFahrten(filter.abfahrtAb, filter.ankunftBis))
            summen.push_back({f.name, fahrerauswertung::summe(f.fahrten)});
        benchmark::DoNotOptimize(fahrerauswertung::alleFahrerTabelle(summen));
    }
}

void BM_AlleFahrer_sqlite3(benchmark::State& state)
{
    // The same statement for every driver, one after the other.
    const Fahrtenfilter filter = alleJahre();
    QString sql;
    for (int f = 1; f <= fahrer; ++f)
        sql += mitWerten(AuswertungStore::fahrerAbfrage(f, filter.abfahrtAb, filter.ankunftBis)) + QLatin1Char(';');
    shell(state, {sql, {}});
}

void BM_FahrerEinTag(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(
            fahrerauswertung::tagesfahrtenTabelle(AuswertungStore().tagesfahrten(einFahrer, QDate(2020, 6, 2))));
}

void BM_FahrerEinTag_sqlite3(benchmark::State& state)
{
    shell(state, AuswertungStore::tagesAbfrage(einFahrer, QDate(2020, 6, 2)));
}

void BM_Fahrzeuge(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(fahrzeugauswertung::tabelle(AuswertungStore().fahrzeuge(alleJahre())));
}

void BM_Fahrzeuge_sqlite3(benchmark::State& state)
{
    shell(state, AuswertungStore::fahrzeugAbfrage(alleJahre()));
}

} // namespace

BENCHMARK(BM_FahrtenEinFahrzeugEinJahr)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FahrtenEinFahrzeugEinJahr_sqlite3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FahrtenAlle)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_FahrtenAlle_sqlite3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_FahrerJeTag)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FahrerJeTag_sqlite3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AlleFahrer)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_AlleFahrer_sqlite3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_FahrerEinTag)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FahrerEinTag_sqlite3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Fahrzeuge)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_Fahrzeuge_sqlite3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Grosslogbuch logbuch;
    offenesLogbuch = &logbuch;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
