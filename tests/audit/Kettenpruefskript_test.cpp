#include "audit/Fahrtenbuchpruefung.h"
#include "audit/KorrekturStore.h"
#include "common/Clock.h"
#include "db/SqlStatement.h"
#include "support/TestDatabase.h"

#include <QProcess>

#include <gtest/gtest.h>

// The auditor's script, written with Python's standard library only, comes to the same result and
// the same Prüfwert as the program's own check.
namespace {

struct Skriptlauf {
    int code = -1;
    QString aus;
};

Skriptlauf skriptPruefen(const QString& datei)
{
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral(VARNO_KETTENPRUEFUNG), datei});
    python.waitForFinished(60000);
    return {python.exitStatus() == QProcess::NormalExit ? python.exitCode() : -1,
            QString::fromUtf8(python.readAllStandardOutput())};
}

QString pruefwertZeile(const QString& pruefwert)
{
    return QStringLiteral("Prüfwert: ") + pruefwert;
}

// A logbook with a corrected and a cancelled trip, a raw trip from a card and protocol entries.
class Kettenpruefskript : public ::testing::Test {
protected:
    Kettenpruefskript()
    {
        Clock::setFixed(QDateTime(QDate(2006, 3, 10), QTime(12, 0)));
        const int golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf")});
        const auto fahrt = [golf](int tag, int kmAb) {
            return build::fahrt({.kfz = golf,
                                 .ab = QDateTime(QDate(2006, 3, tag), QTime(8, 0)),
                                 .an = QDateTime(QDate(2006, 3, tag), QTime(9, 0)),
                                 .kmAb = kmAb,
                                 .kmAn = kmAb + 50,
                                 .start = build::ort(QStringLiteral("Köln")),
                                 .ziel = build::ort(QStringLiteral("Düsseldorf")),
                                 .fahrer = build::fahrer(QStringLiteral("Öztürk"))});
        };
        const int erste = fahrt(1, 1000);
        const int zweite = fahrt(2, 1050);
        build::rohfahrt({.startzeit = QDateTime(QDate(2006, 3, 3), QTime(7, 10, 5)),
                         .startkm = 1100,
                         .zielzeit = QDateTime(QDate(2006, 3, 3), QTime(7, 15)),
                         .zielkm = 1110,
                         .kfzSchluessel = QStringLiteral("2 - B-XY 1, Golf"),
                         .ort = QStringLiteral("Werk 2")});
        KorrekturStore::stornieren(zweite, QStringLiteral("Doppelt erfasst"));
        KorrekturStore::korrigieren(erste,
                                    {.fahrzeug = golf,
                                     .abDat = QDateTime(QDate(2006, 3, 1), QTime(8, 0)),
                                     .anDat = QDateTime(QDate(2006, 3, 1), QTime(9, 10)),
                                     .kmAb = 1000,
                                     .kmAn = 1049,
                                     .von = QStringLiteral("Köln"),
                                     .nach = QStringLiteral("Bonn"),
                                     .art = 4,
                                     .zweck = QStringLiteral("Kunde „Nord“"),
                                     .kategorie = QStringLiteral("Standard"),
                                     .fahrer = QStringLiteral("Öztürk")},
                                    QStringLiteral("Tacho abgelesen"));
    }
    ~Kettenpruefskript() override { Clock::reset(); }

    TestDatabase db;
};

} // namespace

TEST_F(Kettenpruefskript, UnveraendertGleicherPruefwertWieDasProgramm)
{
    const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
    ASSERT_TRUE(ergebnis.unveraendert()) << ergebnis.bericht().toStdString();
    ASSERT_GE(ergebnis.eintraege(), 8);

    const Skriptlauf lauf = skriptPruefen(db.file());
    EXPECT_EQ(lauf.code, 0) << lauf.aus.toStdString();
    EXPECT_TRUE(lauf.aus.contains(QStringLiteral("Alle %1 Einträge sind unverändert.").arg(ergebnis.eintraege())))
        << lauf.aus.toStdString();
    // The last line of both: all 256 bits of the Prüfwert.
    const QString pruefwertzeile = ergebnis.bericht().section(QLatin1Char('\n'), -1);
    EXPECT_TRUE(pruefwertzeile.startsWith(pruefwertZeile(ergebnis.pruefwert()))) << pruefwertzeile.toStdString();
    EXPECT_TRUE(lauf.aus.endsWith(pruefwertzeile + QLatin1Char('\n'))) << lauf.aus.toStdString();
}

struct Angriff {
    const char* name;
    const char* sql;
    const char* befund; // what the script names
};

class KettenpruefskriptAngriff : public Kettenpruefskript, public ::testing::WithParamInterface<Angriff> {};

TEST_P(KettenpruefskriptAngriff, SkriptUndProgrammFindenDieVeraenderung)
{
    SqlStatement(QString::fromUtf8(GetParam().sql)).exec();
    const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
    EXPECT_FALSE(ergebnis.unveraendert());

    const Skriptlauf lauf = skriptPruefen(db.file());
    EXPECT_EQ(lauf.code, 1) << lauf.aus.toStdString();
    EXPECT_TRUE(lauf.aus.contains(QString::fromUtf8(GetParam().befund))) << lauf.aus.toStdString();
    // Neither prints a value that would vouch for the changed logbook.
    EXPECT_TRUE(lauf.aus.endsWith(QStringLiteral("\nPrüfwert ungültig – Fahrtenbuch verändert\n")))
        << lauf.aus.toStdString();
    EXPECT_TRUE(ergebnis.bericht().endsWith(QStringLiteral("\nPrüfwert ungültig – Fahrtenbuch verändert")));
}

INSTANTIATE_TEST_SUITE_P(
    Angriffe, KettenpruefskriptAngriff,
    ::testing::Values(
        Angriff{"Bearbeitet", "UPDATE T_MIREL SET km_an = km_an + 1 WHERE Storniert = 1", "nach dem Speichern verändert"},
        Angriff{"MitteGeloescht", "DELETE FROM T_Protokoll WHERE ID = (SELECT MIN(ID) + 1 FROM T_Protokoll)",
                "davor fehlt ein Eintrag"},
        Angriff{"OhnePruefwertEingefuegt",
                "INSERT INTO T_Protokoll (Zeit, Ereignis, Beschreibung) VALUES ('2006-03-10T12:00:00', 'X', 'Y')",
                "ohne Prüfwert"},
        Angriff{"VermerkVerstellt", "UPDATE T_Pruefkette SET Anzahl = Anzahl + 1 WHERE Kette = 'T_basis'",
                "T_basis: die Vermerke der Prüfkette fehlen oder wurden verändert"},
        Angriff{"LaufnummerVerstellt", "UPDATE T_basis SET Laufnr = Laufnr + 100", "T_basis, ID"}),
    [](const ::testing::TestParamInfo<Angriff>& info) { return std::string(info.param.name); });
