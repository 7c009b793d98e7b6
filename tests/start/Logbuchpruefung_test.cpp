#include "db/Database.h"
#include "start/Logbuchpruefung.h"
#include "support/Dateieingriff.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using Logbuchpruefung::Befund;
using Logbuchpruefung::Tiefe;

namespace {

// A file made from the fresh logbook of the test, given the logbook's path; returns the file to check.
struct Datei {
    const char* name;
    QString (*anlegen)(const QString& logbuch);
    Befund befund;
};

void PrintTo(const Datei& datei, std::ostream* os)
{
    *os << datei.name;
}

QString nebenan(const QString& logbuch, const QString& name)
{
    return QFileInfo(logbuch).dir().filePath(name);
}

QString logbuchSelbst(const QString& logbuch)
{
    return logbuch;
}

QString fehlt(const QString& logbuch)
{
    return nebenan(logbuch, QStringLiteral("fehlt.db"));
}

QString leer(const QString& logbuch)
{
    const QString pfad = nebenan(logbuch, QStringLiteral("leer.db"));
    QFile datei(pfad);
    EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
    return pfad;
}

QString verzeichnis(const QString& logbuch)
{
    const QString pfad = nebenan(logbuch, QStringLiteral("ordner.db"));
    EXPECT_TRUE(QDir().mkpath(pfad));
    return pfad;
}

QString fremdeDatenbank(const QString& logbuch)
{
    const QString pfad = nebenan(logbuch, QStringLiteral("fremd.db"));
    dateieingriff::ausfuehren(pfad, {QStringLiteral("CREATE TABLE Kunden (Name TEXT)")});
    return pfad;
}

QString ohneTabelle(const QString& logbuch)
{
    dateieingriff::ausfuehren(logbuch, {QStringLiteral("DROP TABLE T_CF")});
    return logbuch;
}

QString neuereVersion(const QString& logbuch)
{
    dateieingriff::ausfuehren(logbuch, {QStringLiteral("PRAGMA user_version = 99")});
    return logbuch;
}

QString kopfZerstoert(const QString& logbuch)
{
    dateieingriff::kopfZerstoeren(logbuch);
    return logbuch;
}

QString tabellenseiteZerstoert(const QString& logbuch)
{
    dateieingriff::tabellenseiteZerstoeren(logbuch, QStringLiteral("T_MIREL"));
    return logbuch;
}

QString abgeschnitten(const QString& logbuch)
{
    dateieingriff::kuerzen(logbuch, 10);
    return logbuch;
}

class LogbuchpruefungTest : public ::testing::TestWithParam<std::tuple<Datei, Tiefe>> {
protected:
    // The checks run on files the program has not open.
    void SetUp() override { Database::schliessen(); }

    TestDatabase db;
};

} // namespace

TEST_P(LogbuchpruefungTest, ErkenntDenZustandDerDatei)
{
    const auto [datei, tiefe] = GetParam();
    const Logbuchpruefung::Ergebnis ergebnis = Logbuchpruefung::pruefen(datei.anlegen(db.file()), tiefe, 0);
    EXPECT_EQ(ergebnis.befund, datei.befund) << ergebnis.grund.toStdString();
    EXPECT_EQ(ergebnis.grund.isEmpty(), datei.befund == Befund::Gesund);
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, LogbuchpruefungTest,
    ::testing::Combine(::testing::Values(Datei{"Gesund", logbuchSelbst, Befund::Gesund},
                                         Datei{"Fehlt", fehlt, Befund::Fehlt}, Datei{"Leer", leer, Befund::KeinLogbuch},
                                         Datei{"Verzeichnis", verzeichnis, Befund::KeinZugriff},
                                         Datei{"FremdeDatenbank", fremdeDatenbank, Befund::KeinLogbuch},
                                         Datei{"OhneTabelle", ohneTabelle, Befund::KeinLogbuch},
                                         Datei{"NeuereVersion", neuereVersion, Befund::NeuereVersion},
                                         Datei{"KopfZerstoert", kopfZerstoert, Befund::Beschaedigt},
                                         Datei{"TabellenseiteZerstoert", tabellenseiteZerstoert, Befund::Beschaedigt},
                                         Datei{"Abgeschnitten", abgeschnitten, Befund::Beschaedigt}),
                       ::testing::Values(Tiefe::Schnell, Tiefe::Gruendlich)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) == Tiefe::Schnell ? "_Schnell" : "_Gruendlich");
    });

TEST(Logbuchpruefung, GesperrtSolangeEinAnderesProgrammDieDateiHaelt)
{
    TestDatabase db;
    Database::schliessen();
    dateieingriff::Sperre sperre(db.file());

    const auto gesperrt = Logbuchpruefung::pruefen(db.file(), Tiefe::Schnell, 0);
    EXPECT_EQ(gesperrt.befund, Befund::Gesperrt);
    EXPECT_EQ(gesperrt.grund, QStringLiteral("Die Datei wird von einem anderen Programm benutzt."));

    sperre.freigeben();
    EXPECT_TRUE(Logbuchpruefung::pruefen(db.file(), Tiefe::Schnell, 0).gesund());
}
