#include "audit/Fahrtenbuchpruefung.h"
#include "audit/KorrekturStore.h"
#include "audit/Standsuche.h"
#include "common/Clock.h"
#include "db/Dialekt.h"
#include "logbuch/kette/Kettenanhang.h"
#include "db/SqlStatement.h"
#include "support/TestDatabase.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

// The chains on either engine: what one engine stores and checks, the other stores and checks the
// same way, down to the Prüfwert.
namespace {

struct FesteUhr {
    FesteUhr() { Clock::setFixed(QDateTime(QDate(2006, 3, 10), QTime(12, 0))); }
    ~FesteUhr() { Clock::reset(); }
};

// A trip with umlauts, quotes and a tab, a raw trip and a protocol entry, stored the program's way.
void fuellen()
{
    const int golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf")});
    build::fahrt({.kfz = golf,
                  .ab = QDateTime(QDate(2006, 3, 1), QTime(8, 0)),
                  .an = QDateTime(QDate(2006, 3, 1), QTime(9, 0)),
                  .kmAb = 1000,
                  .kmAn = 1050,
                  .start = build::ort(QStringLiteral("Köln")),
                  .ziel = build::ort(QStringLiteral("Düsseldorf")),
                  .fahrer = build::fahrer(QStringLiteral("Öztürk")),
                  .bemerkung = QStringLiteral("Kunde \"Nord\"\tTab")});
    build::rohfahrt({.startzeit = QDateTime(QDate(2006, 3, 1), QTime(7, 10, 5)),
                     .startkm = 900,
                     .zielzeit = QDateTime(QDate(2006, 3, 1), QTime(7, 15)),
                     .zielkm = 910,
                     .kfzSchluessel = QStringLiteral("3 - B-VA 3, Sprinter"),
                     .ort = QStringLiteral("Werk 2")});
    protokollEintragen(Ereignis::FahrerGeloescht, QStringLiteral("Fahrer „Schulz“ gelöscht."));
}

class KetteBeiderDatenbanken : public ::testing::TestWithParam<Datenbankart> {
protected:
    FesteUhr uhr;
};

} // namespace

MIT_BEIDEN_DATENBANKEN(KetteBeiderDatenbanken);

TEST_P(KetteBeiderDatenbanken, UnveraendertBestehtVeraendertWirdBenannt)
{
    std::optional<TestDatabase> db;
    if (!fuerTestOeffnen(db, GetParam()))
        return;
    fuellen();
    ASSERT_TRUE(fahrtenbuchpruefung::pruefen().unveraendert()) << fahrtenbuchpruefung::pruefen().bericht().toStdString();

    SqlStatement("UPDATE T_MIREL SET km_an = 1049 WHERE km_an = 1050").exec();
    const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
    ASSERT_EQ(ergebnis.befunde.size(), 1U) << ergebnis.bericht().toStdString();
    EXPECT_EQ(ergebnis.befunde.front().text(),
              QStringLiteral("Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 01.03.2006 08:00: nach dem Speichern "
                             "verändert."));
}

TEST_P(KetteBeiderDatenbanken, FruehererPruefwertWirdGefunden)
{
    std::optional<TestDatabase> db;
    if (!fuerTestOeffnen(db, GetParam()))
        return;
    fuellen();
    const QString frueher = fahrtenbuchpruefung::pruefen().pruefwert();
    const qint64 eintraege = fahrtenbuchpruefung::pruefen().eintraege();
    protokollEintragen(Ereignis::FahrerGeloescht, QStringLiteral("Fahrer „Meier“ gelöscht."));

    const Pruefergebnis jetzt = fahrtenbuchpruefung::pruefen();
    ASSERT_NE(jetzt.pruefwert(), frueher);
    EXPECT_EQ(standsuche::finden(frueher, jetzt), std::optional<qint64>(eintraege));
    EXPECT_EQ(standsuche::finden(QStringLiteral("0123456789ABCDEF"), jetzt), std::nullopt);
}

TEST(KetteBeiderDatenbankenGleich, GleicherInhaltGibtAufBeidenDenselbenPruefwert)
{
    const FesteUhr uhr;
    // Who stored the rows is part of the content: the same on both.
    struct FesterBenutzer {
        FesterBenutzer() { Dialekt::benutzerFestlegen(QStringLiteral("meier")); }
        ~FesterBenutzer() { Dialekt::benutzerFestlegen(std::nullopt); }
    } const benutzer;
    QString pruefwerte[2];
    for (Datenbankart art : {Datenbankart::SQLite, Datenbankart::PostgreSQL}) {
        std::optional<TestDatabase> db;
        if (!fuerTestOeffnen(db, art))
            return;
        fuellen();
        const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
        EXPECT_TRUE(ergebnis.unveraendert()) << ergebnis.bericht().toStdString();
        pruefwerte[art == Datenbankart::SQLite ? 0 : 1] = ergebnis.pruefwert();
    }
    // 128 bits: 32 hex digits in eight groups of four.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{4}( [0-9A-F]{4}){7}$")).match(pruefwerte[0]).hasMatch())
        << pruefwerte[0].toStdString();
    EXPECT_EQ(pruefwerte[1], pruefwerte[0]);
}

TEST_P(KetteBeiderDatenbanken, KorrekturUndStornierungSetzenDieKetteFort)
{
    std::optional<TestDatabase> db;
    if (!fuerTestOeffnen(db, GetParam()))
        return;
    fuellen();
    const int fahrt = SqlStatement::scalarInt("SELECT ID FROM T_MIREL WHERE km_an = 1050");
    const qlonglong korrektur = KorrekturStore::korrigieren(
        fahrt,
        {.fahrzeug = 2,
         .abDat = QDateTime(QDate(2006, 3, 1), QTime(8, 0)),
         .anDat = QDateTime(QDate(2006, 3, 1), QTime(9, 10)),
         .kmAb = 1000,
         .kmAn = 1052,
         .von = QStringLiteral("Köln"),
         .nach = QStringLiteral("Bonn"),
         .art = 4,
         .zweck = QStringLiteral("keine Angabe"),
         .kategorie = QStringLiteral("Standard"),
         .fahrer = QStringLiteral("Öztürk")},
        QStringLiteral("Tacho abgelesen"));
    KorrekturStore::stornieren(static_cast<int>(korrektur), QStringLiteral("Doppelt erfasst"));

    const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
    EXPECT_TRUE(ergebnis.unveraendert()) << ergebnis.bericht().toStdString();
    EXPECT_FALSE(KorrekturStore::aktuell(fahrt));
    EXPECT_EQ(KorrekturStore::fassung(static_cast<int>(korrektur))->grund, QStringLiteral("Tacho abgelesen"));
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Protokoll WHERE Ereignis IN ('Korrektur', 'Stornierung')"),
              2);
}

TEST_P(KetteBeiderDatenbanken, GekuerzteKetteMitAngepasstemVermerkWirdAnDerFolgeErkannt)
{
    std::optional<TestDatabase> db;
    if (!fuerTestOeffnen(db, GetParam()))
        return;
    fuellen();
    SqlStatement("UPDATE T_Pruefkette SET Anzahl = Anzahl - 1, Kopf = (SELECT Vorgaenger FROM T_MIREL WHERE km_an = "
                 "1050) WHERE Kette = 'T_MIREL'")
        .exec();
    SqlStatement("DELETE FROM T_MIREL WHERE km_an = 1050").exec();
    const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
    ASSERT_EQ(ergebnis.befunde.size(), 1U) << ergebnis.bericht().toStdString();
    EXPECT_EQ(ergebnis.befunde.front().text(),
              QStringLiteral("Rohfahrten, Fahrzeug 3 - B-VA 3, Sprinter, Rohfahrt vom 01.03.2006 07:10:05: davor "
                             "fehlen in der Reihenfolge des Speicherns Einträge (gelöscht)."));
}
