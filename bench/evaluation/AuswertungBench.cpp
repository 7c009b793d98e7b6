// The evaluation on a logbook of 1,000,000 trips (10 vehicles, 20 drivers, 10 years), each view
// next to the sqlite3 shell running the same statement on the same file: that is the floor.
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "evaluation/AuswertungStore.h"
#include "evaluation/Fahrerauswertung.h"
#include "evaluation/FahrtenlistenModell.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr int fahrten = 1'000'000;
constexpr int fahrzeuge = 10;
constexpr int fahrer = 20;
constexpr int erstesFahrzeug = 2; // ID 1 is the sample vehicle
constexpr int einFahrer = 7;

// One trip every 52 minutes per vehicle from 1 January 2015: 100,000 trips are almost 10 years.
void logbuchErzeugen()
{
    Transaction transaktion;
    for (int i = 0; i < fahrzeuge; ++i)
        SqlStatement("INSERT INTO T_KFZ (KZuFzg, AnfKM, Eingabeart) VALUES (?, 0, 0)")
            .bind(QStringLiteral("B-VA %1, Fahrzeug").arg(i + 1))
            .exec();
    for (int i = 0; i < fahrer; ++i)
        SqlStatement("INSERT INTO T_Fahrer (Bezeichnung) VALUES (?)")
            .bind(QStringLiteral("Fahrer %1").arg(i + 1))
            .exec();
    for (int i = 0; i < 50; ++i)
        SqlStatement("INSERT INTO T_ORTE (Bezeichnung) VALUES (?)").bind(QStringLiteral("Ort %1").arg(i + 1)).exec();
    for (int i = 0; i < 9; ++i)
        SqlStatement("INSERT INTO T_ZWECK (Bezeichnung) VALUES (?)").bind(QStringLiteral("Zweck %1").arg(i + 1)).exec();
    for (int i = 0; i < 5; ++i)
        SqlStatement("INSERT INTO T_Kategorie (Bezeichnung) VALUES (?)")
            .bind(QStringLiteral("Kategorie %1").arg(i + 1))
            .exec();
    SqlStatement("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < ?) "
                 "INSERT INTO T_MIREL (KFZ, AbDat, AnDat, km_ab, km_an, Start, Ziel, Art, Zweck, Kategorie, Fahrer, "
                 "Bemerkung) SELECT ? + i % ?, "
                 "datetime('2015-01-01 06:00:00', '+' || ((i / ?) * 52) || ' minutes'), "
                 "datetime('2015-01-01 06:00:00', '+' || ((i / ?) * 52 + 30) || ' minutes'), "
                 "(i / ?) * 20, (i / ?) * 20 + 15, 1 + i % 50, 1 + (i * 7) % 50, 1 + i % 4, 1 + i % 10, "
                 "1 + i % 5, 1 + (i / ? + i % ?) % ?, CASE WHEN i % 13 = 0 THEN 'Stau' ELSE '' END FROM n")
        .bind(fahrten)
        .bind(erstesFahrzeug)
        .bind(fahrzeuge)
        .bind(fahrzeuge)
        .bind(fahrzeuge)
        .bind(fahrzeuge)
        .bind(fahrzeuge)
        .bind(fahrzeuge)
        .bind(fahrzeuge)
        .bind(fahrer)
        .exec();
    transaktion.commit();
    SqlStatement("ANALYZE").exec();
}

class Logbuch {
public:
    // VARNO_BENCH_DB names a file to keep the generated logbook in and to reuse on the next run.
    Logbuch()
    {
        datei_ = qEnvironmentVariable("VARNO_BENCH_DB", QDir(verzeichnis_.path()).filePath(QStringLiteral("varno.db")));
        if (QFileInfo::exists(datei_)) {
            Database::open(datei_);
            return;
        }
        Database::createNew(datei_);
        logbuchErzeugen();
    }
    ~Logbuch() { Database::close(); }

    const QString& datei() const { return datei_; }

private:
    QTemporaryDir verzeichnis_;
    QString datei_;
};

Logbuch* offenesLogbuch = nullptr;

Logbuch& logbuch()
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
    const QString sql = mitWerten(abfrage);
    for (auto _ : state) {
        QProcess prozess;
        prozess.setStandardOutputFile(QProcess::nullDevice());
        prozess.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), logbuch().datei(), sql});
        if (!prozess.waitForFinished(-1) || prozess.exitCode() != 0) {
            state.SkipWithError("sqlite3 fehlgeschlagen");
            return;
        }
    }
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
    Logbuch logbuch;
    offenesLogbuch = &logbuch;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
