// "Exportieren …" of 100,000 listed trips to CSV, next to writing the same bytes with a plain
// buffered write: that is the floor. The export must stay under one second and within three
// times the floor. One trip in three has a remark, some texts need quoting.
//
// Each run writes a file that is not there yet, the earlier run's removed beforehand, untimed:
// replacing or truncating the file just written waits for the system to finish writing that one
// out, which no single export meets and which swayed both sides of the ratio from run to run.
#include "Messung.h"

#include "common/CsvSchreiber.h"
#include "db/Database.h"
#include "db/Rohabfrage.h"
#include "db/SqlStatement.h"
#include "evaluation/Ansichtsexport.h"
#include "evaluation/AuswertungStore.h"
#include "evaluation/BerichtStore.h"
#include "evaluation/Fahrtenexport.h"
#include "logbuch/Logbuch.h"
#include "logbuch/kette/Pruefkette.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr int fahrten = 100'000;
constexpr int fahrzeug = 2; // ID 1 is the sample vehicle
// The first trips predate the chain: no entry time, no chain value. The others have both, as every
// trip entered since.
constexpr int vorDerKette = fahrten / 10;

struct Kettenwert {
    qint64 id;
    QByteArray vorgaenger;
    QByteArray wert;
};

// The chained trips get the values the program gives them, one after the other, so the export
// writes every one as the 64 hex digits of a sound logbook, not as "ungültig".
void kettenwerteSetzen()
{
    using pruefkette::Kette;
    std::vector<Kettenwert> werte;
    {
        Rohabfrage s(QStringLiteral("SELECT ") + pruefkette::spaltenliste(Kette::Fahrtenbuch) +
                         QStringLiteral(" FROM T_MIREL WHERE Pruefwert IS NOT NULL ORDER BY ID"),
                     {});
        pruefkette::Zeile zeile(Kette::Fahrtenbuch);
        QByteArray vorgaenger = pruefkette::ohneVorgaenger();
        while (s.next()) {
            zeile.alleAusAbfrage(s, 0);
            QByteArray wert = zeile.pruefwert(vorgaenger);
            werte.push_back({s.grosseZahl(0), vorgaenger, wert});
            vorgaenger = wert;
        }
    }
    for (const Kettenwert& w : werte)
        SqlStatement("UPDATE T_MIREL SET Vorgaenger = ?, Pruefwert = ? WHERE ID = ?")
            .bind(w.vorgaenger)
            .bind(w.wert)
            .bind(w.id)
            .exec();
}

void logbuchErzeugen()
{
    Transaction transaktion;
    SqlStatement("INSERT INTO T_KFZ (KZuFzg, AnfKM, Eingabeart) VALUES ('B-XY 1, Golf', 0, 0)").exec();
    for (int i = 0; i < 20; ++i)
        SqlStatement("INSERT INTO T_Fahrer (Bezeichnung) VALUES (?)")
            .bind(QStringLiteral("Fahrer Müller %1").arg(i))
            .exec();
    for (int i = 0; i < 50; ++i)
        SqlStatement("INSERT INTO T_ORTE (Bezeichnung) VALUES (?)")
            .bind(i % 10 == 0 ? QStringLiteral("Lager \"Nord\"; Tor %1").arg(i)
                              : QStringLiteral("Köln, Straße %1").arg(i))
            .exec();
    for (int i = 0; i < 9; ++i)
        SqlStatement("INSERT INTO T_ZWECK (Bezeichnung) VALUES (?)")
            .bind(QStringLiteral("Kundenbesuch %1").arg(i))
            .exec();
    for (int i = 0; i < 5; ++i)
        SqlStatement("INSERT INTO T_Kategorie (Bezeichnung) VALUES (?)")
            .bind(QStringLiteral("Kategorie %1").arg(i))
            .exec();
    SqlStatement("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < ?) "
                 "INSERT INTO T_MIREL (KFZ, AbDat, AnDat, km_ab, km_an, Start, Ziel, Art, Zweck, Kategorie, Fahrer, "
                 "Bemerkung, Erfasst, Pruefwert) SELECT ?, datetime('2015-01-01 06:00:00', '+' || (i * 52) || ' minutes'), "
                 "datetime('2015-01-01 06:00:00', '+' || (i * 52 + 30) || ' minutes'), 1000000 + i * 20, "
                 "1000000 + i * 20 + 15, 1 + i % 50, 1 + (i * 7) % 50, 1 + i % 4, 1 + i % 10, 1 + i % 5, "
                 "1 + i % 20, CASE WHEN i % 3 = 0 THEN 'Stau auf der A3; Umleitung über \"Kreuz Köln-Ost\"' "
                 "ELSE '' END, CASE WHEN i < ? THEN NULL ELSE datetime('2015-01-01 06:40:00', '+' || (i * 52) || "
                 "' minutes') END, CASE WHEN i < ? THEN NULL ELSE randomblob(32) END FROM n")
        .bind(fahrten)
        .bind(fahrzeug)
        .bind(vorDerKette)
        .bind(vorDerKette)
        .exec();
    kettenwerteSetzen();
    transaktion.commit();
}

class Umgebung {
public:
    Umgebung()
    {
        Logbuch::anlegen(ordner_.filePath(QStringLiteral("varno.db")));
        logbuchErzeugen();
        Fahrtenfilter filter = Fahrtenfilter::zurueckgesetzt(QDate(2030, 1, 1), true);
        filter.fahrzeug = fahrzeug;
        liste_ = AuswertungStore().fahrten(filter);
        zusatz_ = BerichtStore().fahrtenzusatz(liste_);
    }
    ~Umgebung() { Database::schliessen(); }

    QString datei(const QString& name) const { return ordner_.filePath(name); }
    const Fahrtenliste& liste() const { return liste_; }
    const Fahrtenzusatz& zusatz() const { return zusatz_; }

private:
    QTemporaryDir ordner_;
    Fahrtenliste liste_;
    Fahrtenzusatz zusatz_;
};

Umgebung* umgebung = nullptr;

void entfernenUngemessen(benchmark::State& state, const QString& datei)
{
    state.PauseTiming();
    QFile::remove(datei);
    state.ResumeTiming();
}

void melden(benchmark::State& state, const QString& datei)
{
    state.counters["Fahrten"] = static_cast<double>(umgebung->liste().anzahl());
    state.counters["MB"] = static_cast<double>(QFile(datei).size()) / 1e6;
}

// The listed trips with their remarks at hand, written as "Exportieren …" writes them.
void BM_CsvExport(benchmark::State& state)
{
    const QString datei = umgebung->datei(QStringLiteral("export.csv"));
    Messung messung(QStringLiteral("export"));
    for (auto _ : state) {
        entfernenUngemessen(state, datei);
        messung.messen([&] {
            CsvSchreiber::inDatei(datei, [](CsvSchreiber& csv) {
                fahrtenexport::schreiben(csv, umgebung->liste(), umgebung->zusatz());
            });
        });
    }
    melden(state, datei);
}

// The whole button after the file dialog: the remarks are read from the logbook as well.
void BM_CsvExportMitBemerkungenAusDerDatenbank(benchmark::State& state)
{
    const QString datei = umgebung->datei(QStringLiteral("ansicht.csv"));
    Auswertungsstand stand;
    stand.angezeigt = true;
    Messung messung(QStringLiteral("export_mit_bemerkungen"));
    for (auto _ : state) {
        entfernenUngemessen(state, datei);
        messung.messen([&] { ansichtsexport::schreiben(datei, stand, umgebung->liste()); });
    }
    melden(state, datei);
}

// The floor: the bytes of the export written to a file in 64 KiB pieces, nothing else.
void BM_GepuffertesSchreibenDerselbenBytes(benchmark::State& state)
{
    const QString vorlage = umgebung->datei(QStringLiteral("vorlage.csv"));
    CsvSchreiber::inDatei(
        vorlage, [](CsvSchreiber& csv) { fahrtenexport::schreiben(csv, umgebung->liste(), umgebung->zusatz()); });
    QFile quelle(vorlage);
    if (!quelle.open(QIODevice::ReadOnly)) {
        state.SkipWithError("Vorlage nicht lesbar");
        return;
    }
    const QByteArray bytes = quelle.readAll();
    const QString datei = umgebung->datei(QStringLiteral("roh.csv"));
    constexpr qsizetype stueck = 64 * 1024;
    Messung messung(QStringLiteral("schreiben"));
    for (auto _ : state) {
        entfernenUngemessen(state, datei);
        bool beschreibbar = true;
        messung.messen([&] {
            QFile ziel(datei);
            beschreibbar = ziel.open(QIODevice::WriteOnly);
            for (qsizetype von = 0; beschreibbar && von < bytes.size(); von += stueck)
                ziel.write(bytes.constData() + von, std::min(stueck, bytes.size() - von));
        });
        if (!beschreibbar) {
            state.SkipWithError("Ziel nicht beschreibbar");
            return;
        }
    }
    melden(state, datei);
}

} // namespace

BENCHMARK(BM_CsvExport)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CsvExportMitBemerkungenAusDerDatenbank)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GepuffertesSchreibenDerselbenBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Umgebung daten;
    umgebung = &daten;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    verhaeltnisZeigen(QStringLiteral("CSV-Export von 100.000 Fahrten gegen Schreiben derselben Bytes"),
                      QStringLiteral("export"), QStringLiteral("schreiben"), 3);
    grenzeZeigen(QStringLiteral("CSV-Export von 100.000 Fahrten mit Bemerkungen aus dem Logbuch"),
                 gemessenMs(QStringLiteral("export_mit_bemerkungen")), QStringLiteral("ms"), 1000);
    return 0;
}
