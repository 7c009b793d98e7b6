// The evaluation on a logbook of 1,000,000 trips (10 vehicles, 20 drivers, 10 years), each view
// next to the sqlite3 shell running the same statement on the same file: that is the floor. The
// trip list also on the same logbook on a PostgreSQL server (the cluster of scripts/bench.sh), next
// to psql running the same statement.
#include "Benchserver.h"
#include "Grosslogbuch.h"
#include "Messung.h"
#include "Sqlite3Shell.h"

#include "admin/Ruecksicherung.h"
#include "admin/SicherungStore.h"
#include "db/Database.h"
#include "logbuch/Logbuch.h"
#include "platform/FileOperations.h"

#include "evaluation/AuswertungStore.h"
#include "evaluation/Fahrerauswertung.h"
#include "evaluation/Fahrtenleser.h"
#include "evaluation/ui/FahrtenlistenModell.h"

#include <QApplication>
#include <QElapsedTimer>
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

// The shell knows no German collation, the program's own function; its case-blind NOCASE stands in
// for it at about the same cost.
void shell(benchmark::State& state, const AuswertungStore::Abfrage& abfrage, const QString& messung = {})
{
    const QString sql = mitWerten(abfrage).replace(QStringLiteral("COLLATE DEUTSCH"), QStringLiteral("COLLATE NOCASE"));
    sqlite3Shell(state, logbuch().datei(), sql, messung);
}

// The same logbook on the server, restored from a backup of the file; none without a cluster.
std::optional<QString> serverlogbuch()
{
    static const std::optional<QString> adresse = []() -> std::optional<QString> {
        const auto leer = benchserver::leereDatenbank(QStringLiteral("varno_bench_auswertung"));
        if (!leer)
            return std::nullopt;
        QTemporaryDir ordner;
        const QString sicherung = ordner.filePath(QStringLiteral("grosslogbuch.sav"));
        SicherungStore::sichern(sicherung, FileOperations::system());
        Logbuch::anlegen(*leer);
        Ruecksicherung(FileOperations::system()).zuruecksichern(sicherung, *leer, [](const QString&) { return true; });
        benchserver::psql(*leer, {QStringLiteral("-c"), QStringLiteral("VACUUM ANALYZE")});
        return leer;
    }();
    if (adresse && Database::ort() != *adresse)
        Logbuch::oeffnen(*adresse);
    return adresse;
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

// The trip grid as the window shows it.
struct Fahrtenraster {
    Fahrtenraster()
    {
        ansicht.setModel(&modell);
        ansicht.resize(988, 300);
        ansicht.show();
    }

    FahrtenlistenModell modell;
    QTableView ansicht;
};

void fahrtenlisteFuellen(benchmark::State& state, const Fahrtenfilter& filter, const QString& messname = {})
{
    Messung messung(messname);
    Fahrtenraster raster;
    FahrtenlistenModell& modell = raster.modell;
    std::size_t zeilen = 0;
    for (auto _ : state) {
        // As the window does: with progress reports.
        messung.messen([&] {
            modell.setzen(AuswertungStore().fahrten(filter, [](int prozent) { benchmark::DoNotOptimize(prozent); }));
            QApplication::processEvents();
        });
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
    fahrtenlisteFuellen(state, alleJahre(), QStringLiteral("fahrten_sqlite"));
}

// As the window reads the list: the first piece, then the rest while the event loop runs. The first
// screen is there once lesen() has returned and the view has painted.
void BM_FahrtenAlleStueckweise(benchmark::State& state)
{
    Messung ersterBildschirm(QStringLiteral("fahrten_erster_bildschirm"));
    Messung ganz(QStringLiteral("fahrten_stueckweise"));
    Fahrtenraster raster;
    FahrtenlistenModell& modell = raster.modell;
    std::size_t zeilen = 0;
    for (auto _ : state) {
        QElapsedTimer uhr;
        uhr.start();
        modell.lesen(std::make_unique<Fahrtenleser>(
            alleJahre(), [](int prozent) { benchmark::DoNotOptimize(prozent); }, modell.stueck()));
        raster.ansicht.repaint();
        ersterBildschirm.eintragen(uhr);
        while (!modell.ganzGelesen())
            QApplication::processEvents();
        ganz.eintragen(uhr);
        zeilen = modell.liste().anzahl();
    }
    state.counters["Fahrten"] = static_cast<double>(zeilen);
}

void BM_FahrtenAlle_sqlite3(benchmark::State& state)
{
    shell(state, AuswertungStore::fahrtenAbfrage(alleJahre()), QStringLiteral("sqlite3"));
}

void BM_FahrtenAllePostgreSQL(benchmark::State& state)
{
    if (!serverlogbuch()) {
        state.SkipWithError("VARNO_TEST_PG fehlt: scripts/bench.sh startet den PostgreSQL-Cluster");
        return;
    }
    fahrtenlisteFuellen(state, alleJahre(), QStringLiteral("fahrten_postgresql"));
}

// psql without its table frame (-A) and header (-t), so it spends its time on the rows as the
// program does.
void BM_FahrtenAlle_psql(benchmark::State& state)
{
    const auto adresse = serverlogbuch();
    if (!adresse) {
        state.SkipWithError("VARNO_TEST_PG fehlt: scripts/bench.sh startet den PostgreSQL-Cluster");
        return;
    }
    const QString sql = mitWerten(AuswertungStore::fahrtenAbfrage(alleJahre()));
    Messung messung(QStringLiteral("psql"));
    for (auto _ : state) {
        bool ok = true;
        messung.messen([&] {
            ok = benchserver::psql(*adresse, {QStringLiteral("-A"), QStringLiteral("-t"), QStringLiteral("-c"), sql});
        });
        if (!ok) {
            state.SkipWithError("psql fehlgeschlagen");
            return;
        }
    }
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
    Messung messung(QStringLiteral("fahrzeuge"));
    for (auto _ : state)
        messung.messen(
            [] { benchmark::DoNotOptimize(fahrzeugauswertung::tabelle(AuswertungStore().fahrzeuge(alleJahre()))); });
}

void BM_Fahrzeuge_sqlite3(benchmark::State& state)
{
    shell(state, AuswertungStore::fahrzeugAbfrage(alleJahre()), QStringLiteral("fahrzeuge_sqlite3"));
}

} // namespace

BENCHMARK(BM_FahrtenEinFahrzeugEinJahr)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FahrtenEinFahrzeugEinJahr_sqlite3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FahrtenAlle)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_FahrtenAlleStueckweise)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_FahrtenAlle_sqlite3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_FahrerJeTag)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FahrerJeTag_sqlite3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AlleFahrer)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_AlleFahrer_sqlite3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_FahrerEinTag)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FahrerEinTag_sqlite3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Fahrzeuge)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_Fahrzeuge_sqlite3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
// Last: they make the server's logbook the program's.
BENCHMARK(BM_FahrtenAllePostgreSQL)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_FahrtenAlle_psql)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Grosslogbuch logbuch;
    offenesLogbuch = &logbuch;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    verhaeltnisZeigen(QStringLiteral("Fahrtenliste aller 1.000.000 Fahrten, SQLite gegen die sqlite3-Shell"),
                      QStringLiteral("fahrten_sqlite"), QStringLiteral("sqlite3"));
    grenzeZeigen(QStringLiteral("Fahrtenliste aller 1.000.000 Fahrten: erster Bildschirm mit Anzahl"),
                 gemessenMs(QStringLiteral("fahrten_erster_bildschirm")), QStringLiteral("ms"), 100);
    // Read piece by piece, the whole list is to take no longer than read at once (within noise).
    verhaeltnisZeigen(QStringLiteral("Fahrtenliste aller 1.000.000 Fahrten stückweise gegen am Stück gelesen"),
                      QStringLiteral("fahrten_stueckweise"), QStringLiteral("fahrten_sqlite"), 1.05);
    verhaeltnisZeigen(QStringLiteral("Fahrtenliste aller 1.000.000 Fahrten, PostgreSQL gegen psql"),
                      QStringLiteral("fahrten_postgresql"), QStringLiteral("psql"), 2);
    verhaeltnisZeigen(QStringLiteral("Fahrzeugansicht über 1.000.000 Fahrten gegen die sqlite3-Shell"),
                      QStringLiteral("fahrzeuge"), QStringLiteral("fahrzeuge_sqlite3"), 1.2);
    return 0;
}
