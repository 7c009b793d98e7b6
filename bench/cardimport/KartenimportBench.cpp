// The card import on a full card: 131,072 records (5 % waypoints, 10 % continuations, 8 vehicles,
// all known), read, listed and checked by the window, then taken over. Next to it, the floor: the
// same raw-trip rows inserted by one prepared statement in one transaction.
#include "SyntheticCard.h"
#include "card/ui/TF_Varno_V_OK.h"
#include "common/Prompts.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "platform/FakeVolumeSerial.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>

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
    Umgebung()
    {
        Prompts::install(std::make_unique<StillePrompts>());
        QDir::setCurrent(verzeichnis_.path());
        Database::createNew(verzeichnis_.filePath(QString::fromLatin1(Database::fileName)));
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
        writeCardFile(pfad().toStdString(), makeSyntheticCard(optionen));
        karte_ = readAll(pfad());
    }

    QString pfad() const { return verzeichnis_.filePath(QStringLiteral("daten.txt")); }

    // The card as the recorder left it, and a database without the rows of an earlier run.
    void zuruecksetzen()
    {
        QFile datei(pfad());
        datei.open(QIODevice::WriteOnly);
        datei.write(karte_);
        SqlStatement("DELETE FROM T_basis").exec();
        SqlStatement("DELETE FROM T_Merkpunkte").exec();
    }

    TF_Varno_V_OK& fenster() { return fenster_; }

private:
    static QByteArray readAll(const QString& pfad)
    {
        QFile datei(pfad);
        datei.open(QIODevice::ReadOnly);
        return datei.readAll();
    }

    QTemporaryDir verzeichnis_;
    QByteArray karte_;
    TF_Varno_V_OK fenster_{std::make_unique<FakeVolumeSerial>(karteId)};
};

Umgebung& umgebung()
{
    static Umgebung u;
    return u;
}

void BM_EinlesenAnzeigenPruefen(benchmark::State& state)
{
    Umgebung& u = umgebung();
    u.zuruecksetzen();
    for (auto _ : state) {
        u.fenster().einlesen(u.pfad());
        QApplication::processEvents();
    }
    state.counters["Fahrten"] = static_cast<double>(u.fenster().fahrten().rowCount());
    state.counters["Merkpunkte"] = static_cast<double>(u.fenster().merkpunkte().rowCount());
    state.counters["Spitze_MB"] = spitzenspeicherMb();
}
BENCHMARK(BM_EinlesenAnzeigenPruefen)->Unit(benchmark::kMillisecond)->Iterations(3);

// The raw-trip rows of the last taking over, for the floor below.
std::vector<QVariantList>& uebernommeneZeilen()
{
    static std::vector<QVariantList> zeilen;
    return zeilen;
}

// Every trip is taken over, the ones the check marked red as well.
void allesGruen(TF_Varno_V_OK& fenster)
{
    const FahrtenModell& fahrten = fenster.fahrten();
    for (int zeile = 0; zeile < fahrten.rowCount(); ++zeile)
        if (fahrten.rot(zeile))
            fenster.StringGrid1DblClick(fahrten.index(zeile, 0));
}

void BM_Uebernehmen(benchmark::State& state)
{
    Umgebung& u = umgebung();
    for (auto _ : state) {
        state.PauseTiming();
        u.zuruecksetzen();
        u.fenster().einlesen(u.pfad());
        allesGruen(u.fenster());
        state.ResumeTiming();
        u.fenster().BtSpeichernClick();
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
BENCHMARK(BM_Uebernehmen)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_NacktesSqliteEinfuegen(benchmark::State& state)
{
    const std::vector<QVariantList>& zeilen = uebernommeneZeilen();
    for (auto _ : state) {
        state.PauseTiming();
        SqlStatement("DELETE FROM T_basis").exec();
        state.ResumeTiming();
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
    state.counters["Fahrten"] = static_cast<double>(zeilen.size());
}
BENCHMARK(BM_NacktesSqliteEinfuegen)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
