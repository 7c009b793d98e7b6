#include "app/Befehle.h"
#include "audit/Fahrtenbuchpruefung.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "platform/FakeVolumeSerial.h"
#include "support/Pruefwertzeile.h"
#include "support/TestDatabase.h"

#include <QTextStream>

#include <gtest/gtest.h>

namespace {

// "varno pruefen" on a logbook of one trip, as a script calls it.
class BefehlPruefen : public ::testing::Test {
protected:
    BefehlPruefen()
    {
        Clock::setFixed(QDateTime(QDate(2006, 6, 1), QTime(10, 0)));
        const int golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf")});
        build::fahrt({.kfz = golf,
                      .ab = QDateTime(QDate(2006, 5, 2), QTime(8, 0)),
                      .an = QDateTime(QDate(2006, 5, 2), QTime(9, 0)),
                      .kmAb = 1000,
                      .kmAn = 1030,
                      .start = build::ort(QStringLiteral("Berlin")),
                      .ziel = build::ort(QStringLiteral("Potsdam"))});
        pruefwert = fahrtenbuchpruefung::pruefen().pruefwert();
    }
    ~BefehlPruefen() override { Clock::reset(); }

    struct Lauf {
        int code = -1;
        QString aus;
        QString fehler;
    };

    Lauf varno(QStringList argumente) { return varno(std::move(argumente), db.file()); }

    static Lauf varno(QStringList argumente, const QString& datei)
    {
        Lauf lauf;
        QTextStream aus(&lauf.aus);
        QTextStream fehler(&lauf.fehler);
        const FakeVolumeSerial kennung;
        lauf.code = Befehle(aus, fehler, kennung).ausfuehren(argumente << QStringLiteral("--datenbank") << datei);
        aus.flush();
        fehler.flush();
        return lauf;
    }

    TestDatabase db;
    QString pruefwert;
};

} // namespace

TEST_F(BefehlPruefen, UnveraendertGibtNullMitPruefwert)
{
    const Lauf lauf = varno({QStringLiteral("pruefen")});
    EXPECT_EQ(lauf.code, 0);
    // All 256 bits on a line of their own; pages print the first 128 of them.
    const QString zeile = pruefwertzeile(lauf.aus);
    EXPECT_TRUE(zeile.startsWith(QStringLiteral("Prüfwert: %1 ").arg(pruefwert))) << lauf.aus.toStdString();
    EXPECT_EQ(zeile.size(), QStringLiteral("Prüfwert: ").size() + 79) << lauf.aus.toStdString();
    EXPECT_TRUE(lauf.fehler.isEmpty());
}

TEST_F(BefehlPruefen, VeraendertGibtEinsUndNenntDieFahrt)
{
    SqlStatement("UPDATE T_MIREL SET km_an = 1300 WHERE km_an = 1030").exec();
    const Lauf lauf = varno({QStringLiteral("pruefen"), QStringLiteral("--gegen"), pruefwert});
    EXPECT_EQ(lauf.code, 1);
    EXPECT_TRUE(lauf.aus.contains(QStringLiteral(
        "- Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 02.05.2006 08:00: nach dem Speichern verändert.")))
        << lauf.aus.toStdString();
    EXPECT_TRUE(lauf.aus.contains(QStringLiteral("nicht unverändert enthalten")));
}

TEST_F(BefehlPruefen, GegenDenStandBestaetigtIhn)
{
    const Lauf lauf = varno({QStringLiteral("pruefen"), QStringLiteral("--gegen"), pruefwert});
    EXPECT_EQ(lauf.code, 0) << lauf.aus.toStdString();
    EXPECT_TRUE(lauf.aus.contains(QStringLiteral("ist unverändert in dieser Datei enthalten.")));
}

TEST_F(BefehlPruefen, FehlerUndFalscheArgumenteGebenZwei)
{
    const Lauf ohneDatei = varno({QStringLiteral("pruefen")}, db.directory() + QStringLiteral("/fehlt.db"));
    EXPECT_EQ(ohneDatei.code, 2);
    EXPECT_TRUE(ohneDatei.fehler.startsWith(QStringLiteral("varno pruefen: Das Fahrtenbuch ")))
        << ohneDatei.fehler.toStdString();

    const Lauf falscherWert = varno({QStringLiteral("pruefen"), QStringLiteral("--gegen"), QStringLiteral("XYZ")});
    EXPECT_EQ(falscherWert.code, 2);
    EXPECT_TRUE(falscherWert.fehler.contains(QStringLiteral("besteht nicht aus 32 Hexadezimalziffern")));

    const Lauf ueberzaehlig = varno({QStringLiteral("pruefen"), QStringLiteral("jetzt")});
    EXPECT_EQ(ueberzaehlig.code, 2);
    EXPECT_TRUE(ueberzaehlig.fehler.startsWith(QStringLiteral("varno pruefen: überzähliges Argument „jetzt“")));
}

TEST_F(BefehlPruefen, HilfeNenntDieRueckgabewerte)
{
    const Lauf lauf = varno({QStringLiteral("pruefen"), QStringLiteral("--help")});
    EXPECT_EQ(lauf.code, 0);
    EXPECT_TRUE(lauf.aus.contains(QStringLiteral("Rückgabewert: 0 unverändert, 1 verändert oder der Stand fehlt, "
                                                 "2 Fehler.")));
}
