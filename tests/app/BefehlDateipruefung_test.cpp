#include "Befehlslauf.h"

#include "app/Befehle.h"
#include "db/Database.h"
#include "platform/FakeVolumeSerial.h"
#include "start/Startdateipruefung.h"
#include "support/Dateieingriff.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A command checks the logbook file as the windows do at start, but can neither ask nor offer the
// backup window: it ends with the reason in one line and leaves the file as it found it.

namespace {

QByteArray inhalt(const QString& pfad)
{
    QFile datei(pfad);
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly));
    return datei.readAll();
}

class BefehlDateipruefungTest : public ::testing::Test {
protected:
    // The command opens the file itself.
    void SetUp() override { Database::schliessen(); }

    Lauf exportieren(const Startdateipruefung& pruefung) const
    {
        return varno({QStringLiteral("export"), QStringLiteral("--fahrzeug"), QStringLiteral("Musterfahrzeug"),
                      QStringLiteral("--jahr"), QStringLiteral("2005"), QStringLiteral("--csv"), csv(),
                      QStringLiteral("--datenbank"), db.file()},
                     FakeVolumeSerial(), pruefung);
    }

    QString csv() const { return ziel.filePath(QStringLiteral("fahrten.csv")); }

    QString nichtGeoeffnet(const QString& grund) const
    {
        return QStringLiteral("varno export: Das Fahrtenbuch %1 kann nicht geöffnet werden: %2\n")
            .arg(QDir::toNativeSeparators(db.file()), grund);
    }

    TestDatabase db;
    QTemporaryDir ziel;
};

bool beschreibbar(const QString&)
{
    return true;
}

// A file the command cannot use, and the reason it gives.
struct Mangel {
    const char* name;
    void (*anrichten)(const QString& logbuch);
    const char* grund;
};

void PrintTo(const Mangel& mangel, std::ostream* os)
{
    *os << mangel.name;
}

class UnbrauchbaresLogbuchImBefehl : public BefehlDateipruefungTest, public ::testing::WithParamInterface<Mangel> {};

} // namespace

TEST_P(UnbrauchbaresLogbuchImBefehl, EndetMitDemGrundUndLaesstDieDateiUnveraendert)
{
    GetParam().anrichten(db.file());
    const QByteArray vorher = inhalt(db.file());

    const Lauf lauf = exportieren(Startdateipruefung(beschreibbar, 0));

    EXPECT_EQ(lauf.code, Befehle::fehlschlag);
    EXPECT_EQ(lauf.fehler, nichtGeoeffnet(QString::fromUtf8(GetParam().grund)));
    EXPECT_TRUE(lauf.aus.isEmpty());
    EXPECT_FALSE(Database::isOpen());
    EXPECT_FALSE(QFileInfo::exists(csv()));
    EXPECT_EQ(inhalt(db.file()), vorher);
}

INSTANTIATE_TEST_SUITE_P(
    Maengel, UnbrauchbaresLogbuchImBefehl,
    ::testing::Values(Mangel{"Leer", [](const QString& logbuch) { ASSERT_TRUE(QFile::resize(logbuch, 0)); },
                             "Die Datei ist kein Varno-Fahrtenbuch."},
                      Mangel{"FremdeDatenbank",
                             [](const QString& logbuch) {
                                 ASSERT_TRUE(QFile::remove(logbuch));
                                 dateieingriff::ausfuehren(logbuch,
                                                           {QStringLiteral("CREATE TABLE Kunden (Name TEXT)")});
                             },
                             "Die Datei ist kein Varno-Fahrtenbuch."},
                      Mangel{"Textdatei",
                             [](const QString& logbuch) {
                                 QFile datei(logbuch);
                                 ASSERT_TRUE(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
                                 datei.write(QByteArray("Fahrten 2005\n").repeated(400));
                             },
                             "Die Datei ist keine Datenbank, oder ihr Kopf ist beschädigt."},
                      Mangel{"KopfZerstoert", dateieingriff::kopfZerstoeren,
                             "Die Datei ist keine Datenbank, oder ihr Kopf ist beschädigt."},
                      // A damaged page the export would not even read: the command still refuses the file.
                      Mangel{"TabellenseiteZerstoert",
                             [](const QString& logbuch) {
                                 dateieingriff::tabellenseiteZerstoeren(logbuch, QStringLiteral("T_Protokoll"));
                             },
                             "Die Datenbank ist beschädigt."},
                      Mangel{"NeuereVersion",
                             [](const QString& logbuch) {
                                 dateieingriff::ausfuehren(logbuch, {QStringLiteral("PRAGMA user_version = 99")});
                             },
                             "Die Datenbank stammt aus einer neueren Programmversion (Schema 99)."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BefehlDateipruefungTest, GesperrteDateiWirdGemeldetOhneNeuenVersuch)
{
    dateieingriff::Sperre sperre(db.file());

    const Lauf lauf = exportieren(Startdateipruefung(beschreibbar, 0));

    EXPECT_EQ(lauf.code, Befehle::fehlschlag);
    EXPECT_EQ(lauf.fehler, nichtGeoeffnet(QStringLiteral("Die Datei wird von einem anderen Programm benutzt.")));
    EXPECT_FALSE(Database::isOpen());
    EXPECT_FALSE(QFileInfo::exists(csv()));
}

TEST_F(BefehlDateipruefungTest, SchreibgeschuetzteDateiWirdNurGelesen)
{
    const QByteArray vorher = inhalt(db.file());

    const Lauf lauf = exportieren(Startdateipruefung([](const QString&) { return false; }));

    EXPECT_EQ(lauf.code, Befehle::erfolg) << lauf.fehler.toStdString();
    EXPECT_TRUE(lauf.fehler.isEmpty());
    EXPECT_TRUE(Database::isReadOnly());
    EXPECT_TRUE(QFileInfo::exists(csv()));
    EXPECT_EQ(inhalt(db.file()), vorher);
}
