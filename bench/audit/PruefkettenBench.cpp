// The check of the chains on a large logbook: 1,000,000 logbook rows and 131,072 raw trips (a full
// card), stored through the program's own appender. Next to it the floor: the very same bytes
// hashed by a plain SHA-256 loop. And storing: one trip as the trip entry stores it, against the
// plain insert it used before the chain. Each step is measured in wall time and in the CPU time of
// the process: the machine is shared, and the CPU time is what the step itself costs.
#include "Messung.h"

#include "audit/Fahrtenbuchpruefung.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "logbuch/Logbuch.h"
#include "logbuch/kette/Kettenanhang.h"
#include "db/Rohabfrage.h"
#include "db/Sha256.h"
#include "db/SqlStatement.h"
#include "logbuch/StammdatenStore.h"
#include "entry/EingabeStore.h"
#include "entry/Fahrtspeicherung.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <ctime>
#include <optional>
#include <utility>

namespace {

constexpr int fahrtenbuchzeilen = 1'000'000;
constexpr int rohfahrten = 131'072;
constexpr int fahrzeuge = 8;

QString zeit(int minuten)
{
    return QDateTime(QDate(2020, 1, 1), QTime(6, 0)).addSecs(60LL * minuten).toString(Qt::ISODate).replace(u'T', u' ');
}

// The master rows the trips name, so each trip keeps its names as the program stores them.
void stammdatenFuellen()
{
    const auto zeilen = [](const QString& tabelle, const QString& spalte, int anzahl, const QString& wort) {
        for (int i = 1; i <= anzahl; ++i)
            SqlStatement(QStringLiteral("INSERT INTO %1 (ID, %2) VALUES (?, ?)").arg(tabelle, spalte))
                .bind(i)
                .bind(QStringLiteral("%1 %2").arg(wort).arg(i))
                .exec();
    };
    SqlStatement("DELETE FROM T_ZWECK").exec();
    zeilen(QStringLiteral("T_ORTE"), QStringLiteral("Bezeichnung"), 40, QStringLiteral("Ort"));
    zeilen(QStringLiteral("T_ZWECK"), QStringLiteral("Bezeichnung"), 12, QStringLiteral("Zweck"));
    zeilen(QStringLiteral("T_Kategorie"), QStringLiteral("Bezeichnung"), 3, QStringLiteral("Kategorie"));
    zeilen(QStringLiteral("T_Fahrer"), QStringLiteral("Bezeichnung"), 5, QStringLiteral("Fahrer"));
    for (int i = 2; i < 2 + fahrzeuge; ++i)
        SqlStatement("INSERT INTO T_KFZ (ID, KZuFzg, AnfKM) VALUES (?, ?, 10000)")
            .bind(i)
            .bind(QStringLiteral("B-VA %1, Fahrzeug").arg(i))
            .exec();
}

void logbuchFuellen()
{
    stammdatenFuellen();
    Kettentransaktion kette;
    for (int i = 0; i < fahrtenbuchzeilen; ++i)
        kette.anhaengen(
            Fahrtenbucheintrag{.kfz = 2 + i % fahrzeuge,
                               .abDat = zeit(i * 30),
                               .anDat = zeit(i * 30 + 25),
                               .kmAb = 10'000 + i * 12,
                               .kmAn = 10'012 + i * 12,
                               .start = 1 + i % 40,
                               .ziel = 1 + (i + 7) % 40,
                               .art = 1 + i % 4,
                               .zweck = 1 + i % 12,
                               .kategorie = 1 + i % 3,
                               .fahrer = 1 + i % 5,
                               .bemerkung = i % 3 == 0 ? QStringLiteral("Kunde Müller, Angebot") : QString()});
    for (int i = 0; i < rohfahrten; ++i)
        kette.anhaengen(Rohfahrteintrag{
            QStringLiteral("2882343476"), zeit(0), zeit(i * 30), 20'000 + i * 9, zeit(i * 30 + 20), 20'009 + i * 9,
            QStringLiteral("%1 - B-VA %1, Fahrzeug").arg(1 + i % fahrzeuge), 0, QStringLiteral("D"),
            QStringLiteral("Werk 2"), QStringLiteral("Lieferung"), QStringLiteral("Kat A")});
    kette.commit();
}

double cpuMs()
{
    timespec zeit{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &zeit);
    return static_cast<double>(zeit.tv_sec) * 1e3 + static_cast<double>(zeit.tv_nsec) / 1e6;
}

// A step's wall time under `name`, its CPU time under `name` and "_cpu".
class Doppelmessung {
public:
    explicit Doppelmessung(const QString& name) : wand_(name), cpu_(name + QStringLiteral("_cpu")) {}

    template <typename Schritt> void messen(Schritt schritt)
    {
        QElapsedTimer uhr;
        uhr.start();
        const double cpuVorher = cpuMs();
        schritt();
        cpu_.eintragen(cpuMs() - cpuVorher);
        wand_.eintragen(uhr);
    }

private:
    Messung wand_;
    Messung cpu_;
};

class Umgebung {
public:
    Umgebung()
    {
        Clock::setFixed(QDateTime(QDate(2024, 3, 1), QTime(10, 0)));
        QDir::setCurrent(verzeichnis_.path());
        Logbuch::anlegen(verzeichnis_.filePath(QString::fromLatin1(Database::fileName)));
        logbuchFuellen();
    }
    ~Umgebung() { Database::schliessen(); }

private:
    QTemporaryDir verzeichnis_;
};

// Made in main, so the logbook is closed before its folder goes and before the application object.
std::optional<Umgebung>* offeneUmgebung = nullptr;

Umgebung& umgebung()
{
    if (!offeneUmgebung->has_value())
        offeneUmgebung->emplace();
    return **offeneUmgebung;
}

void BM_FahrtenbuchPruefen(benchmark::State& state)
{
    umgebung();
    qint64 eintraege = 0;
    bool unveraendert = false;
    Doppelmessung messung(QStringLiteral("pruefen"));
    for (auto _ : state)
        messung.messen([&] {
            const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
            eintraege = ergebnis.eintraege();
            unveraendert = ergebnis.unveraendert();
        });
    state.counters["Eintraege"] = static_cast<double>(eintraege);
    state.counters["unveraendert"] = unveraendert ? 1 : 0;
}
BENCHMARK(BM_FahrtenbuchPruefen)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every row's bytes exactly as the check hashes them, one after the other.
struct Zeilenbytes {
    QByteArray bytes;
    std::vector<qsizetype> enden;
};

const Zeilenbytes& alleZeilenbytes()
{
    static const Zeilenbytes alle = [] {
        Zeilenbytes z;
        for (pruefkette::Kette kette : pruefkette::alleKetten) {
            const int spalten = static_cast<int>(pruefkette::spalten(kette).size());
            Rohabfrage s(QStringLiteral("SELECT %1, Vorgaenger FROM %2 ORDER BY ID")
                             .arg(pruefkette::spaltenliste(kette), pruefkette::tabelle(kette)),
                         {});
            pruefkette::Zeile zeile(kette);
            while (s.next()) {
                for (int spalte = 0; spalte < spalten; ++spalte)
                    zeile.ausAbfrage(s, spalte);
                qsizetype laenge = 0;
                const char* vorgaenger = s.bytes(spalten, laenge);
                z.bytes += zeile.abschliessen(QByteArray(vorgaenger, laenge));
                z.enden.push_back(z.bytes.size());
            }
        }
        return z;
    }();
    return alle;
}

void BM_Sha256DerselbenBytes(benchmark::State& state)
{
    umgebung();
    const Zeilenbytes& alle = alleZeilenbytes();
    Sha256 sha256;
    Doppelmessung messung(QStringLiteral("sha256"));
    for (auto _ : state)
        messung.messen([&] {
            qsizetype anfang = 0;
            for (const qsizetype ende : alle.enden) {
                benchmark::DoNotOptimize(
                    sha256.wert(QByteArrayView(alle.bytes.constData() + anfang, ende - anfang), QByteArrayView()));
                anfang = ende;
            }
        });
    state.counters["Zeilen"] = static_cast<double>(alle.enden.size());
    state.counters["MB"] = static_cast<double>(alle.bytes.size()) / 1e6;
}
BENCHMARK(BM_Sha256DerselbenBytes)->Unit(benchmark::kMillisecond)->Iterations(3);

// The `nummer`th trip of a vehicle of the benchmark's own, each continuing the one before, as the
// trip entry demands.
fahrtspeicherung::Auftrag eineFahrt(int fahrzeug, int nummer)
{
    fahrtspeicherung::Auftrag f;
    f.fahrzeug = fahrzeug;
    f.abDat = QDateTime(QDate(2024, 3, 1), QTime(8, 0)).addSecs(3600LL * nummer);
    f.anDat = f.abDat.addSecs(1800);
    f.kmAb = 5000 + 50 * nummer;
    f.kmAn = f.kmAb + 50;
    f.von = QStringLiteral("Essen");
    f.nach = QStringLiteral("Bonn");
    f.art = 4;
    f.zweck = QStringLiteral("Kunde");
    f.kategorie = QStringLiteral("Standard");
    f.fahrer = QStringLiteral("Meier");
    f.bemerkung = QStringLiteral("Angebot");
    return f;
}

// One trip as the trip entry stores it: its own transaction, names resolved, chained.
void BM_FahrtSpeichern(benchmark::State& state)
{
    umgebung();
    // Past the filled logbook's vehicle keys, so its trips are the only ones.
    const int fahrzeug = 100;
    SqlStatement("INSERT INTO T_KFZ (ID, KZuFzg, AnfKM) VALUES (?, 'B-BM 1', 5000)").bind(fahrzeug).exec();
    int nummer = 0;
    Doppelmessung messung(QStringLiteral("speichern"));
    for (auto _ : state)
        messung.messen([&] { EingabeStore::fahrtSpeichern(eineFahrt(fahrzeug, nummer++)); });
}
BENCHMARK(BM_FahrtSpeichern)->Unit(benchmark::kMicrosecond)->Iterations(200);

// The name's row, which the chained store of the same trip has created on its first run.
int nameId(Stammtabelle tabelle, const QString& name)
{
    return StammdatenStore::id(tabelle, name).value_or(0);
}

// The same trip as it was stored before the chain: names resolved, one plain insert.
void ohneKetteSpeichern(const fahrtspeicherung::Auftrag& f)
{
    Transaction transaktion;
    const int start = nameId(Stammtabelle::Orte, f.von);
    const int ziel = nameId(Stammtabelle::Orte, f.nach);
    const int zweck = nameId(Stammtabelle::Zwecke, f.zweck);
    const int kategorie = nameId(Stammtabelle::Kategorien, f.kategorie);
    const int fahrer = nameId(Stammtabelle::Fahrer, f.fahrer);
    SqlStatement("INSERT INTO T_MIREL (KFZ, AbDat, AnDat, km_ab, km_an, Start, Ziel, Art, Zweck, Kategorie, "
                 "Fahrer, Bemerkung) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .bind(f.fahrzeug)
        .bind(zeit(0))
        .bind(zeit(60))
        .bind(f.kmAb)
        .bind(f.kmAn)
        .bind(start)
        .bind(ziel)
        .bind(f.art)
        .bind(zweck)
        .bind(kategorie)
        .bind(fahrer)
        .bind(f.bemerkung)
        .exec();
    transaktion.commit();
}

void BM_FahrtOhneKetteSpeichern(benchmark::State& state)
{
    umgebung();
    const fahrtspeicherung::Auftrag f = eineFahrt(1, 0);
    Doppelmessung messung(QStringLiteral("speichern_ohne_kette"));
    for (auto _ : state)
        messung.messen([&] { ohneKetteSpeichern(f); });
}
BENCHMARK(BM_FahrtOhneKetteSpeichern)->Unit(benchmark::kMicrosecond)->Iterations(200);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    std::optional<Umgebung> logbuch;
    offeneUmgebung = &logbuch;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The goals hold for the CPU time; the wall time on a shared machine is shown beside it.
    for (const auto& [wort, endung] : {std::pair{"CPU-Zeit", "_cpu"}, std::pair{"Wandzeit", ""}}) {
        const QString art = QString::fromUtf8(wort);
        grenzeZeigen(QStringLiteral("Prüfung der Ketten (%1)").arg(art), gemessenMs(QStringLiteral("pruefen") + QLatin1String(endung)),
                     QStringLiteral("ms"), 2000);
        verhaeltnisZeigen(QStringLiteral("Prüfung der Ketten gegen SHA-256 derselben Bytes (%1)").arg(art),
                          QStringLiteral("pruefen") + QLatin1String(endung), QStringLiteral("sha256") + QLatin1String(endung), 3);
        verhaeltnisZeigen(QStringLiteral("Fahrt speichern mit Kette gegen ohne (%1)").arg(art),
                          QStringLiteral("speichern") + QLatin1String(endung), QStringLiteral("speichern_ohne_kette") + QLatin1String(endung), 1.5);
    }
    return 0;
}
