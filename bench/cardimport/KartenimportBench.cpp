// The card import on a full card: 131,072 records (5 % waypoints, 10 % continuations, 8 vehicles,
// all known), read, listed and checked by the window (next to parsing the card alone: the floor),
// then taken over, into a logbook file and into a logbook on a PostgreSQL server (the cluster of
// scripts/bench.sh). Next to each, the floor: the same raw-trip rows inserted by one prepared
// statement in one transaction, and by psql's COPY; and the row writer's own COPY of those rows.
#include "Benchserver.h"
#include "Messung.h"
#include "SyntheticCard.h"
#include "card/datafile/CardFile.h"
#include "card/ui/TF_Varno_V_OK.h"
#include "common/Prompts.h"
#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/SqlStatement.h"
#include "db/Zeilenschreiber.h"
#include "logbuch/Logbuch.h"
#include "platform/FakeVolumeSerial.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>
#include <memory>
#include <optional>

namespace {

constexpr std::size_t datensaetze = 131'072;
constexpr int fahrzeuge = 8;
const QString karteId = QStringLiteral("2882343476");

// Nobody sits in front of a benchmark: every box is acknowledged, every question answered No.
class StillePrompts : public Prompts {
public:
    PromptAnswer ask(PromptIcon, const QString&, const QString&, PromptButtons buttons, PromptAnswer) override
    {
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::No;
    }
    std::optional<QString> input(const QString&, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> password(const QString&, const QString&) override { return std::nullopt; }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
    void beep() override {}
};

double spitzenspeicherMb()
{
    rusage verbrauch{};
    getrusage(RUSAGE_SELF, &verbrauch);
    return static_cast<double>(verbrauch.ru_maxrss) / 1024.0;
}

class Umgebung {
public:
    // `ort`: a logbook file in the temporary folder when empty, else the server address.
    explicit Umgebung(const QString& ort)
        : ort_(ort.isEmpty() ? verzeichnis_.filePath(QString::fromLatin1(Database::fileName)) : ort)
    {
        Prompts::install(std::make_unique<StillePrompts>());
        QDir::setCurrent(verzeichnis_.path());
        Logbuch::anlegen(ort_);
        for (int nummer = 1; nummer <= fahrzeuge; ++nummer)
            SqlStatement("INSERT INTO T_KFZ (KZuFzg, AnfKM, Eingabeart, KFZID) VALUES (?, 0, 1, ?)")
                .bind(QStringLiteral("B-VA %1, Fahrzeug").arg(nummer))
                .bind(nummer)
                .exec();
        SqlStatement("INSERT INTO T_Fahrer (Bezeichnung) VALUES ('Meier')").exec();
        SqlStatement("INSERT INTO T_CF (CF, Fahrer) VALUES (?, 1)").bind(karteId).exec();
        SyntheticCardOptions optionen;
        optionen.records = datensaetze;
        optionen.waypoints = datensaetze / 20;
        optionen.continuations = datensaetze / 10;
        optionen.vehicles = fahrzeuge;
        writeCardFile(urzustand().toStdString(), makeSyntheticCard(optionen));
        karteWiederherstellen();
    }

    QString pfad() const { return verzeichnis_.filePath(QStringLiteral("daten.txt")); }
    const QString& ort() const { return ort_; }

    // This logbook becomes the program's.
    void aktivieren()
    {
        if (Database::ort() != ort_)
            Logbuch::oeffnen(ort_);
    }

    // The card as the recorder left it, and a database without the rows of an earlier run.
    void zuruecksetzen()
    {
        karteWiederherstellen();
        SqlStatement("DELETE FROM T_basis").exec();
        SqlStatement("DELETE FROM T_Merkpunkte").exec();
    }

    TF_Varno_V_OK& fenster() { return fenster_; }

private:
    // The card as written, kept in a file: a copy in memory would count its 64 MiB towards the peak
    // memory of every reading measured.
    QString urzustand() const { return verzeichnis_.filePath(QStringLiteral("daten.urzustand")); }

    void karteWiederherstellen() const
    {
        QFile::remove(pfad());
        if (!QFile::copy(urzustand(), pfad()))
            std::abort();
    }

    QTemporaryDir verzeichnis_;
    QString ort_;
    TF_Varno_V_OK fenster_{std::make_unique<FakeVolumeSerial>(karteId)};
};

// What the benchmarks share. It lives in main, within the application object's lifetime: a window
// torn down after the QApplication (as a static would be) stops its timers on a dead event loop.
class Umgebungen {
public:
    ~Umgebungen() { Database::schliessen(); }

    Umgebung& datei()
    {
        if (!datei_)
            datei_ = std::make_unique<Umgebung>(QString());
        datei_->aktivieren();
        return *datei_;
    }

    // None without the benchmark's PostgreSQL cluster.
    Umgebung* server()
    {
        if (!serverGesucht_) {
            serverGesucht_ = true;
            if (const auto adresse = benchserver::leereDatenbank(QStringLiteral("varno_bench_karte")))
                server_ = std::make_unique<Umgebung>(*adresse);
        }
        if (server_)
            server_->aktivieren();
        return server_.get();
    }

    // The raw-trip rows of the last taking over, for the floors.
    std::vector<QVariantList> uebernommeneZeilen;
    // The process's peak memory after the card was read, listed and checked.
    std::optional<double> einlesenSpitzeMb;

private:
    std::unique_ptr<Umgebung> datei_;
    std::unique_ptr<Umgebung> server_;
    bool serverGesucht_ = false;
};

Umgebungen* umgebungen = nullptr;

Umgebung& umgebung()
{
    return umgebungen->datei();
}

Umgebung* serverumgebung()
{
    return umgebungen->server();
}

std::vector<QVariantList>& uebernommeneZeilen()
{
    return umgebungen->uebernommeneZeilen;
}

// The floor of the window's reading: the card's records parsed, nothing listed or checked.
void BM_KarteParsen(benchmark::State& state)
{
    Umgebung& u = umgebung();
    u.zuruecksetzen();
    Messung messung(QStringLiteral("karte_parsen"));
    std::size_t datensaetzeGelesen = 0;
    for (auto _ : state)
        messung.messen([&] { datensaetzeGelesen = cardfile::readRecords(u.pfad().toStdString()).records.size(); });
    state.counters["Datensaetze"] = static_cast<double>(datensaetzeGelesen);
}
BENCHMARK(BM_KarteParsen)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_EinlesenAnzeigenPruefen(benchmark::State& state)
{
    Umgebung& u = umgebung();
    u.zuruecksetzen();
    Messung messung(QStringLiteral("einlesen"));
    for (auto _ : state) {
        // Each reading opens the window afresh, as card administration does. Reading again in the
        // open window would first store the waypoints of the reading before: no part of this card's.
        state.PauseTiming();
        u.fenster().close();
        QApplication::processEvents();
        state.ResumeTiming();
        messung.messen([&] {
            u.fenster().einlesen(u.pfad());
            QApplication::processEvents();
        });
    }
    state.counters["Fahrten"] = static_cast<double>(u.fenster().fahrten().rowCount());
    state.counters["Merkpunkte"] = static_cast<double>(u.fenster().merkpunkte().rowCount());
    umgebungen->einlesenSpitzeMb = spitzenspeicherMb();
    state.counters["Spitze_MB"] = *umgebungen->einlesenSpitzeMb;
}
BENCHMARK(BM_EinlesenAnzeigenPruefen)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every trip is taken over, the ones the check marked red as well.
void allesGruen(TF_Varno_V_OK& fenster)
{
    const FahrtenModell& fahrten = fenster.fahrten();
    for (int zeile = 0; zeile < fahrten.rowCount(); ++zeile)
        if (fahrten.rot(zeile))
            fenster.StringGrid1DblClick(fahrten.index(zeile, 0));
}

void uebernehmen(benchmark::State& state, Umgebung& u, const QString& name)
{
    Messung messung(name);
    for (auto _ : state) {
        state.PauseTiming();
        u.zuruecksetzen();
        u.fenster().einlesen(u.pfad());
        allesGruen(u.fenster());
        state.ResumeTiming();
        messung.messen([&] { u.fenster().BtSpeichernClick(); });
    }
    SqlStatement zeilen("SELECT CFID, Einlesedat, Startzeit, Startkm, Zielzeit, Zielkm, KFZid, CF, Art, Ort, Grund, Kat "
                        "FROM T_basis");
    zeilen.exec();
    uebernommeneZeilen().clear();
    while (zeilen.next()) {
        QVariantList werte;
        for (int spalte = 0; spalte < 12; ++spalte)
            werte << zeilen.value(spalte);
        uebernommeneZeilen().push_back(werte);
    }
    state.counters["Fahrten"] = static_cast<double>(uebernommeneZeilen().size());
    state.counters["Spitze_MB"] = spitzenspeicherMb();
}

void BM_Uebernehmen(benchmark::State& state)
{
    uebernehmen(state, umgebung(), QStringLiteral("uebernehmen_sqlite"));
}
BENCHMARK(BM_Uebernehmen)->Unit(benchmark::kMillisecond)->Iterations(3);

void nacktEinfuegen(const std::vector<QVariantList>& zeilen)
{
    QSqlDatabase verbindung = Database::connection();
    verbindung.transaction();
    QSqlQuery einfuegen(verbindung);
    einfuegen.prepare("INSERT INTO T_basis (CFID, Einlesedat, Startzeit, Startkm, Zielzeit, Zielkm, KFZid, CF, "
                      "Art, Ort, Grund, Kat) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const QVariantList& werte : zeilen) {
        for (int spalte = 0; spalte < 12; ++spalte)
            einfuegen.bindValue(spalte, werte[spalte]);
        einfuegen.exec();
    }
    verbindung.commit();
}

void BM_NacktesSqliteEinfuegen(benchmark::State& state)
{
    umgebung();
    const std::vector<QVariantList>& zeilen = uebernommeneZeilen();
    Messung messung(QStringLiteral("einfuegen_sqlite"));
    for (auto _ : state) {
        state.PauseTiming();
        SqlStatement("DELETE FROM T_basis").exec();
        state.ResumeTiming();
        messung.messen([&] { nacktEinfuegen(zeilen); });
    }
    state.counters["Fahrten"] = static_cast<double>(zeilen.size());
}
BENCHMARK(BM_NacktesSqliteEinfuegen)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_UebernehmenPostgreSQL(benchmark::State& state)
{
    Umgebung* u = serverumgebung();
    if (!u) {
        state.SkipWithError("VARNO_TEST_PG fehlt: scripts/bench.sh startet den PostgreSQL-Cluster");
        return;
    }
    uebernehmen(state, *u, QStringLiteral("uebernehmen_postgresql"));
}
BENCHMARK(BM_UebernehmenPostgreSQL)->Unit(benchmark::kMillisecond)->Iterations(3);

// COPY's text format of the rows: tab between values, \N for NULL (the rows hold no tabs).
QString copyDatei(const std::vector<QVariantList>& zeilen, const QString& pfad)
{
    QFile datei(pfad);
    datei.open(QIODevice::WriteOnly);
    QTextStream aus(&datei);
    for (const QVariantList& werte : zeilen) {
        QStringList texte;
        for (const QVariant& wert : werte)
            texte << (wert.isNull() ? QStringLiteral("\\N") : wert.toString());
        aus << texte.join(QLatin1Char('\t')) << '\n';
    }
    return pfad;
}

void BM_CopyPsql(benchmark::State& state)
{
    Umgebung* u = serverumgebung();
    if (!u) {
        state.SkipWithError("VARNO_TEST_PG fehlt: scripts/bench.sh startet den PostgreSQL-Cluster");
        return;
    }
    const std::vector<QVariantList>& zeilen = uebernommeneZeilen();
    QTemporaryDir ordner;
    const QString datei = copyDatei(zeilen, ordner.filePath(QStringLiteral("rohfahrten.tsv")));
    const QString copy =
        QStringLiteral("\\copy T_basis (CFID, Einlesedat, Startzeit, Startkm, Zielzeit, Zielkm, KFZid, "
                       "CF, Art, Ort, Grund, Kat) FROM '%1'")
            .arg(datei);
    Messung messung(QStringLiteral("copy_postgresql"));
    for (auto _ : state) {
        state.PauseTiming();
        SqlStatement("DELETE FROM T_basis").exec();
        state.ResumeTiming();
        bool ok = true;
        messung.messen([&] { ok = benchserver::psql(u->ort(), {QStringLiteral("-c"), copy}); });
        if (!ok) {
            state.SkipWithError("psql fehlgeschlagen");
            return;
        }
    }
    state.counters["Fahrten"] = static_cast<double>(zeilen.size());
}
BENCHMARK(BM_CopyPsql)->Unit(benchmark::kMillisecond)->Iterations(3);

// The rows the take-over stored, through the row writer's COPY alone: no chain values, no window.
void BM_CopyZeilenschreiber(benchmark::State& state)
{
    if (!serverumgebung()) {
        state.SkipWithError("VARNO_TEST_PG fehlt: scripts/bench.sh startet den PostgreSQL-Cluster");
        return;
    }
    const std::vector<QVariantList>& zeilen = uebernommeneZeilen();
    const QStringList spalten = {QStringLiteral("CFID"),    QStringLiteral("Einlesedat"), QStringLiteral("Startzeit"),
                                 QStringLiteral("Startkm"), QStringLiteral("Zielzeit"),   QStringLiteral("Zielkm"),
                                 QStringLiteral("KFZid"),   QStringLiteral("CF"),         QStringLiteral("Art"),
                                 QStringLiteral("Ort"),     QStringLiteral("Grund"),      QStringLiteral("Kat")};
    Messung messung(QStringLiteral("copy_zeilenschreiber"));
    for (auto _ : state) {
        state.PauseTiming();
        SqlStatement("DELETE FROM T_basis").exec();
        state.ResumeTiming();
        messung.messen([&] {
            Transaction transaktion;
            Zeilenschreiber rohfahrten(QStringLiteral("T_basis"), spalten, Zeilenschreiber::Menge::Stapel);
            for (const QVariantList& werte : zeilen)
                rohfahrten.zeile(werte);
            rohfahrten.abschliessen();
            transaktion.commit();
        });
    }
    state.counters["Fahrten"] = static_cast<double>(zeilen.size());
}
BENCHMARK(BM_CopyZeilenschreiber)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Umgebungen daten;
    umgebungen = &daten;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    verhaeltnisZeigen(QStringLiteral("Karte einlesen, anzeigen, prüfen gegen Parsen"), QStringLiteral("einlesen"),
                      QStringLiteral("karte_parsen"), 5);
    grenzeZeigen(QStringLiteral("Karte einlesen, anzeigen, prüfen: Spitzenspeicher"), daten.einlesenSpitzeMb,
                 QStringLiteral("MB"), 100);
    verhaeltnisZeigen(QStringLiteral("Kartenübernahme SQLite gegen einfaches Einfügen"),
                      QStringLiteral("uebernehmen_sqlite"), QStringLiteral("einfuegen_sqlite"));
    verhaeltnisZeigen(QStringLiteral("Kartenübernahme PostgreSQL gegen COPY mit psql"),
                      QStringLiteral("uebernehmen_postgresql"), QStringLiteral("copy_postgresql"), 3);
    verhaeltnisZeigen(QStringLiteral("COPY des Zeilenschreibers gegen COPY mit psql"),
                      QStringLiteral("copy_zeilenschreiber"), QStringLiteral("copy_postgresql"));
    return 0;
}
