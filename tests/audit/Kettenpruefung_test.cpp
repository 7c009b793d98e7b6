#include "audit/Fahrtenbuchpruefung.h"
#include "common/Clock.h"
#include "logbuch/kette/Kettenanhang.h"
#include "db/SqlStatement.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

// A logbook of a few rows in each chain, then changed behind the program's back as someone with
// the sqlite3 shell would. Trips 3, 4 and 5 belong to "B-XY 1, Golf" (its start record is row 2).
class Kettenpruefung : public ::testing::Test {
protected:
    // Before the logbook is made, so the protocol's first entry has this time too.
    struct FesteUhr {
        FesteUhr() { Clock::setFixed(QDateTime(QDate(2006, 3, 10), QTime(12, 0))); }
        ~FesteUhr() { Clock::reset(); }
    };

    void SetUp() override
    {
        const int golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf")});
        const int essen = build::ort(QStringLiteral("Essen"));
        const int bonn = build::ort(QStringLiteral("Bonn"));
        const int meier = build::fahrer(QStringLiteral("Meier"));
        const int standard = build::kategorie(QStringLiteral("Standard"));
        int km = 1000;
        for (const QDateTime& ab :
             {QDateTime(QDate(2006, 3, 1), QTime(8, 0)), QDateTime(QDate(2006, 3, 2), QTime(9, 15)),
              QDateTime(QDate(2006, 3, 3), QTime(17, 30))}) {
            build::fahrt({.kfz = golf,
                          .ab = ab,
                          .an = ab.addSecs(3600),
                          .kmAb = km,
                          .kmAn = km + 50,
                          .start = essen,
                          .ziel = bonn,
                          .kategorie = standard,
                          .fahrer = meier,
                          .bemerkung = QStringLiteral("Kunde")});
            km += 50;
        }
        for (int minute : {10, 40})
            build::rohfahrt({.startzeit = QDateTime(QDate(2006, 3, 1), QTime(7, minute, 5)),
                             .startkm = 900,
                             .zielzeit = QDateTime(QDate(2006, 3, 1), QTime(7, minute + 5)),
                             .zielkm = 910,
                             .kfzSchluessel = QStringLiteral("3 - B-VA 3, Sprinter"),
                             .ort = QStringLiteral("Werk 2")});
        Kettentransaktion kette;
        kette.protokollieren(Ereignis::FahrerGeloescht, QStringLiteral("Fahrer Schulz gelöscht."));
        kette.commit();
    }

    // A trip stored the program's way after the fixture's.
    static void weitereFahrt()
    {
        build::fahrt({.kfz = 2,
                      .ab = QDateTime(QDate(2006, 3, 4), QTime(8, 0)),
                      .an = QDateTime(QDate(2006, 3, 4), QTime(9, 0)),
                      .kmAb = 1150,
                      .kmAn = 1180,
                      .start = 1,
                      .ziel = 2});
    }

    static QStringList befunde()
    {
        QStringList texte;
        for (const Pruefbefund& befund : fahrtenbuchpruefung::pruefen().befunde)
            texte << befund.text();
        return texte;
    }

    FesteUhr uhr;
    TestDatabase db;
};

const QString fahrt4 = QStringLiteral("Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 02.03.2006 09:15: ");
const QString veraendert = QStringLiteral("nach dem Speichern verändert.");

struct Eingriff {
    const char* name;
    const char* sql;
    QStringList befunde;
};

void PrintTo(const Eingriff& e, std::ostream* os)
{
    *os << e.name;
}

class Eingriffe : public Kettenpruefung, public ::testing::WithParamInterface<Eingriff> {};

const QString rohfahrt1 =
    QStringLiteral("Rohfahrten, Fahrzeug 3 - B-VA 3, Sprinter, Rohfahrt vom 01.03.2006 07:10:05: ");
const QString protokoll2 =
    QStringLiteral("Protokoll, Eintrag vom 10.03.2006 12:00:00 (Fahrer gelöscht): nach dem Speichern verändert.");

Eingriff spalteVonFahrt4(const char* name, const char* sql)
{
    return {name, sql, {fahrt4 + veraendert}};
}

Eingriff spalteVonRohfahrt1(const char* name, const char* sql)
{
    return {name, sql, {rohfahrt1 + veraendert}};
}

} // namespace

TEST_F(Kettenpruefung, UnveraendertesLogbuchBestehtDiePruefung)
{
    const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
    EXPECT_TRUE(ergebnis.unveraendert());
    // The delivered start record, the new vehicle's start record and three trips; two raw trips;
    // the protocol's start of the chain and one more entry.
    EXPECT_EQ(ergebnis.koepfe[0].anzahl, 5);
    EXPECT_EQ(ergebnis.koepfe[1].anzahl, 2);
    EXPECT_EQ(ergebnis.koepfe[2].anzahl, 2);
    EXPECT_TRUE(ergebnis.bericht().startsWith(
        QStringLiteral("Alle 9 Einträge sind unverändert, seit sie gespeichert wurden (5 Fahrtenbucheinträge, "
                       "2 Rohfahrten, 2 Protokolleinträge).\nPrüfwert: ")))
        << ergebnis.bericht().toStdString();
    EXPECT_EQ(ergebnis.pruefwert().size(), 39); // 32 hex digits in groups of four
    EXPECT_EQ(ergebnis.kettenbeginn, QDateTime(QDate(2006, 3, 10), QTime(12, 0)));
}

TEST_F(Kettenpruefung, VerarbeitungsmarkeDerRohfahrtGehoertNichtZumInhalt)
{
    SqlStatement("UPDATE T_basis SET bearbeitet = 1").exec();
    EXPECT_TRUE(befunde().isEmpty());
}

TEST_P(Eingriffe, WirdGefundenUndBenannt)
{
    for (const QString& sql : QString::fromUtf8(GetParam().sql).split(QLatin1Char(';')))
        SqlStatement(sql).exec();
    EXPECT_EQ(befunde(), GetParam().befunde);
    // Whatever was found, no printed value vouches for the changed logbook.
    const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
    EXPECT_EQ(ergebnis.pruefwert(), QStringLiteral("ungültig"));
    EXPECT_EQ(ergebnis.vermerk(), QStringLiteral("Prüfwert ungültig – Fahrtenbuch verändert"));
}

INSTANTIATE_TEST_SUITE_P(
    Fahrtenbuch, Eingriffe,
    ::testing::Values(
        Eingriff{"Fahrzeug",
                 "UPDATE T_MIREL SET KFZ = 1 WHERE ID = 4",
                 {QStringLiteral("Fahrtenbuch, Fahrzeug Musterfahrzeug, Fahrt vom 02.03.2006 09:15: ") + veraendert}},
        Eingriff{"Abfahrt",
                 "UPDATE T_MIREL SET AbDat = '2006-03-02 09:45:00' WHERE ID = 4",
                 {QStringLiteral("Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 02.03.2006 09:45: ") + veraendert}},
        spalteVonFahrt4("Ankunft", "UPDATE T_MIREL SET AnDat = '2006-03-02 11:00:00' WHERE ID = 4"),
        spalteVonFahrt4("KmAbfahrt", "UPDATE T_MIREL SET km_ab = km_ab + 1 WHERE ID = 4"),
        spalteVonFahrt4("KmAnkunft", "UPDATE T_MIREL SET km_an = km_an - 10 WHERE ID = 4"),
        spalteVonFahrt4("Start", "UPDATE T_MIREL SET Start = Ziel WHERE ID = 4"),
        spalteVonFahrt4("Ziel", "UPDATE T_MIREL SET Ziel = Start WHERE ID = 4"),
        spalteVonFahrt4("Art", "UPDATE T_MIREL SET Art = 2 WHERE ID = 4"),
        spalteVonFahrt4("Benutzer", "UPDATE T_MIREL SET Benutzer = 'mallory' WHERE ID = 4"),
        spalteVonFahrt4("BenutzerEntfernt", "UPDATE T_MIREL SET Benutzer = NULL WHERE ID = 4"),
        spalteVonFahrt4("Zweck", "UPDATE T_MIREL SET Zweck = NULL WHERE ID = 4"),
        spalteVonFahrt4("Kategorie", "UPDATE T_MIREL SET Kategorie = NULL WHERE ID = 4"),
        spalteVonFahrt4("Fahrer", "UPDATE T_MIREL SET Fahrer = NULL WHERE ID = 4"),
        spalteVonFahrt4("Bemerkung", "UPDATE T_MIREL SET Bemerkung = 'Kunde.' WHERE ID = 4"),
        spalteVonFahrt4("BemerkungAlsNull", "UPDATE T_MIREL SET Bemerkung = NULL WHERE ID = 4"),
        spalteVonFahrt4("ZahlAlsText", "UPDATE T_MIREL SET km_an = 'tausend' WHERE ID = 4"),
        spalteVonFahrt4("Erfasst", "UPDATE T_MIREL SET Erfasst = '2006-03-02 12:00:00' WHERE ID = 4"),
        spalteVonFahrt4("ErsetztID", "UPDATE T_MIREL SET ErsetztID = 3 WHERE ID = 4"),
        spalteVonFahrt4("Grund", "UPDATE T_MIREL SET Grund = 'Tippfehler' WHERE ID = 4"),
        spalteVonFahrt4("Storniert", "UPDATE T_MIREL SET Storniert = 1 WHERE ID = 4"),
        spalteVonFahrt4("Laufnr", "UPDATE T_MIREL SET Laufnr = Laufnr + 1000 WHERE ID = 4"),
        spalteVonFahrt4("Vorgaenger", "UPDATE T_MIREL SET Vorgaenger = zeroblob(32) WHERE ID = 4"),
        Eingriff{"Pruefwert", "UPDATE T_MIREL SET Pruefwert = zeroblob(32) WHERE ID = 4", {fahrt4 + veraendert}},
        Eingriff{
            "Geloescht",
            "DELETE FROM T_MIREL WHERE ID = 4",
            {QStringLiteral("Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 03.03.2006 17:30: davor fehlt mindestens "
                            "ein Eintrag (gelöscht).")}},
        Eingriff{"LetzterGeloescht",
                 "DELETE FROM T_MIREL WHERE ID = 5",
                 {fahrt4 + QStringLiteral("danach fehlt mindestens ein Eintrag (gelöscht).")}},
        Eingriff{"Eingefuegt",
                 "INSERT INTO T_MIREL (KFZ, AbDat, AnDat, km_ab, km_an, Start, Ziel, Art, Zweck) "
                 "VALUES (2, '2006-03-04 10:00:00', '2006-03-04 11:00:00', 1150, 1200, 1, 2, 4, 1)",
                 {QStringLiteral("Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 04.03.2006 10:00: ohne Prüfwert, nicht "
                                 "von Varno gespeichert (eingefügt).")}},
        Eingriff{"MitWertenKopiert",
                 "INSERT INTO T_MIREL SELECT 6, KFZ, '2006-03-04 10:00:00', AnDat, km_ab, km_an, Start, Ziel, Art, "
                 "Zweck, Kategorie, Fahrer, Bemerkung, Erfasst, ErsetztID, Grund, Storniert, Laufnr, Vorgaenger, "
                 "Pruefwert, Benutzer, StartName, ZielName, ArtName, ArtKurz, ZweckName, KategorieName, "
                 "FahrerName, Kennzeichen FROM T_MIREL WHERE ID = 4",
                 {QStringLiteral("Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 04.03.2006 10:00: ") + veraendert,
                  QStringLiteral("Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 04.03.2006 10:00: steht nicht mehr an "
                                 "seiner Stelle (Reihenfolge verändert).")}},
        Eingriff{"Vertauscht",
                 "UPDATE T_MIREL SET ID = CASE ID WHEN 3 THEN -4 ELSE -3 END WHERE ID IN (3, 4); "
                 "UPDATE T_MIREL SET ID = -ID WHERE ID < 0",
                 {QStringLiteral("Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 02.03.2006 09:15: ") + veraendert,
                  QStringLiteral("Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 02.03.2006 09:15: steht nicht mehr an "
                                 "seiner Stelle (Reihenfolge verändert)."),
                  QStringLiteral("Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 01.03.2006 08:00: ") + veraendert,
                  QStringLiteral("Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 01.03.2006 08:00: steht nicht mehr an "
                                 "seiner Stelle (Reihenfolge verändert).")}},
        Eingriff{"VermerkGeloescht",
                 "DELETE FROM T_Pruefkette WHERE Kette = 'T_MIREL'",
                 {QStringLiteral("Fahrtenbuch: die Vermerke der Prüfkette fehlen oder wurden verändert.")}}));

INSTANTIATE_TEST_SUITE_P(
    Rohfahrten, Eingriffe,
    ::testing::Values(
        spalteVonRohfahrt1("Karte", "UPDATE T_basis SET CFID = '987' WHERE ID = 1"),
        spalteVonRohfahrt1("Einlesedatum", "UPDATE T_basis SET Einlesedat = NULL WHERE ID = 1"),
        Eingriff{"Startzeit",
                 "UPDATE T_basis SET Startzeit = '2006-03-01 07:11:05' WHERE ID = 1",
                 {QStringLiteral("Rohfahrten, Fahrzeug 3 - B-VA 3, Sprinter, Rohfahrt vom 01.03.2006 07:11:05: ") +
                  veraendert}},
        spalteVonRohfahrt1("Startkm", "UPDATE T_basis SET Startkm = 901 WHERE ID = 1"),
        spalteVonRohfahrt1("Benutzer", "UPDATE T_basis SET Benutzer = 'mallory' WHERE ID = 1"),
        spalteVonRohfahrt1("Zielzeit", "UPDATE T_basis SET Zielzeit = NULL WHERE ID = 1"),
        spalteVonRohfahrt1("Zielkm", "UPDATE T_basis SET Zielkm = 0 WHERE ID = 1"),
        Eingriff{"Fahrzeug",
                 "UPDATE T_basis SET KFZid = '4 - B-VA 4' WHERE ID = 1",
                 {QStringLiteral("Rohfahrten, Fahrzeug 4 - B-VA 4, Rohfahrt vom 01.03.2006 07:10:05: ") + veraendert}},
        spalteVonRohfahrt1("Status", "UPDATE T_basis SET CF = 1 WHERE ID = 1"),
        spalteVonRohfahrt1("Art", "UPDATE T_basis SET Art = 'P' WHERE ID = 1"),
        spalteVonRohfahrt1("Ort", "UPDATE T_basis SET Ort = 'Werk 3' WHERE ID = 1"),
        spalteVonRohfahrt1("Grund", "UPDATE T_basis SET Grund = 'Kunde' WHERE ID = 1"),
        spalteVonRohfahrt1("Kategorie", "UPDATE T_basis SET Kat = 'A' WHERE ID = 1"),
        spalteVonRohfahrt1("Erfasst", "UPDATE T_basis SET Erfasst = NULL WHERE ID = 1"),
        Eingriff{"Geloescht",
                 "DELETE FROM T_basis WHERE ID = 1",
                 {QStringLiteral("Rohfahrten, Fahrzeug 3 - B-VA 3, Sprinter, Rohfahrt vom 01.03.2006 07:40:05: davor "
                                 "fehlt mindestens ein Eintrag (gelöscht).")}}));

INSTANTIATE_TEST_SUITE_P(
    Protokoll, Eingriffe,
    ::testing::Values(
        Eingriff{"Beschreibung",
                 "UPDATE T_Protokoll SET Beschreibung = 'Fahrer Schulze gelöscht.' WHERE ID = 2",
                 {protokoll2}},
        Eingriff{"Benutzer", "UPDATE T_Protokoll SET Benutzer = 'mallory' WHERE ID = 2", {protokoll2}},
        // A row stored before users were recorded cannot be given one afterwards.
        Eingriff{"BenutzerNachgetragen",
                 "UPDATE T_Protokoll SET Benutzer = 'mallory' WHERE ID = 1",
                 {QStringLiteral("Protokoll, Eintrag vom 10.03.2006 12:00:00 (Prüfkette begonnen): ") + veraendert}},
        Eingriff{"Ereignis",
                 "UPDATE T_Protokoll SET Ereignis = 'Fahrer umbenannt' WHERE ID = 2",
                 {QStringLiteral("Protokoll, Eintrag vom 10.03.2006 12:00:00 (Fahrer umbenannt): ") + veraendert}},
        Eingriff{"Zeit",
                 "UPDATE T_Protokoll SET Zeit = '2006-03-10 12:00:01' WHERE ID = 2",
                 {QStringLiteral("Protokoll, Eintrag vom 10.03.2006 12:00:01 (Fahrer gelöscht): ") + veraendert}},
        Eingriff{"LetzterGeloescht",
                 "DELETE FROM T_Protokoll WHERE ID = 2",
                 {QStringLiteral("Protokoll, Eintrag vom 10.03.2006 12:00:00 (Prüfkette begonnen): danach "
                                 "fehlt mindestens ein Eintrag (gelöscht).")}}));

namespace {

const QString folgeLuecke = QStringLiteral("davor fehlen in der Reihenfolge des Speicherns Einträge (gelöscht).");

} // namespace

// A chain cut back at its end with its notes set to the new last row is consistent on its own;
// the entries of the other chains stored later give it away.
INSTANTIATE_TEST_SUITE_P(
    Reihenfolge, Eingriffe,
    ::testing::Values(
        Eingriff{"NeuesteFahrtMitVermerk",
                 "DELETE FROM T_MIREL WHERE ID = 5; "
                 "UPDATE T_Pruefkette SET Anzahl = Anzahl - 1, Kopf = (SELECT Pruefwert FROM T_MIREL WHERE ID = 4) "
                 "WHERE Kette = 'T_MIREL'",
                 {rohfahrt1 + folgeLuecke}},
        Eingriff{"RohfahrtenGeleert",
                 "DELETE FROM T_basis; UPDATE T_Pruefkette SET Anzahl = 0, Kopf = zeroblob(32) WHERE Kette = 'T_basis'",
                 {QStringLiteral("Protokoll, Eintrag vom 10.03.2006 12:00:00 (Fahrer gelöscht): ") + folgeLuecke}},
        Eingriff{"RohfahrtenSamtVermerkGeleert",
                 "DELETE FROM T_basis; DELETE FROM T_Pruefkette WHERE Kette = 'T_basis'",
                 {QStringLiteral("Rohfahrten: die Vermerke der Prüfkette fehlen oder wurden verändert."),
                  QStringLiteral("Protokoll, Eintrag vom 10.03.2006 12:00:00 (Fahrer gelöscht): ") + folgeLuecke}},
        Eingriff{"LeereKetteOhneVermerk",
                 "DELETE FROM T_basis; DELETE FROM T_Pruefkette WHERE Kette = 'T_basis'; "
                 "DELETE FROM T_Protokoll WHERE ID = 2; "
                 "UPDATE T_Pruefkette SET Anzahl = 1, Kopf = (SELECT Pruefwert FROM T_Protokoll WHERE ID = 1) "
                 "WHERE Kette = 'T_Protokoll'",
                 {QStringLiteral("Rohfahrten: die Vermerke der Prüfkette fehlen oder wurden verändert.")}},
        Eingriff{"ZweiLuecken",
                 "DELETE FROM T_MIREL WHERE ID = 5; "
                 "UPDATE T_Pruefkette SET Anzahl = Anzahl - 1, Kopf = (SELECT Pruefwert FROM T_MIREL WHERE ID = 4) "
                 "WHERE Kette = 'T_MIREL'; "
                 "DELETE FROM T_basis WHERE ID = 2; "
                 "UPDATE T_Pruefkette SET Anzahl = 1, Kopf = (SELECT Pruefwert FROM T_basis WHERE ID = 1) "
                 "WHERE Kette = 'T_basis'",
                 {rohfahrt1 + folgeLuecke,
                  QStringLiteral("Protokoll, Eintrag vom 10.03.2006 12:00:00 (Fahrer gelöscht): ") + folgeLuecke}}));

// What no check inside the file can find: the newest entries cut back to an earlier consistent
// state. Only a Prüfwert kept elsewhere shows it (the README says so).
TEST_F(Kettenpruefung, NeuesteEintraegeZurueckgeschnittenFindetNurEinPruefwertVonAussen)
{
    const QString vorher = fahrtenbuchpruefung::pruefen().pruefwert();
    SqlStatement("DELETE FROM T_Protokoll WHERE ID = 2").exec();
    SqlStatement("UPDATE T_Pruefkette SET Anzahl = 1, Kopf = (SELECT Pruefwert FROM T_Protokoll WHERE ID = 1) "
                 "WHERE Kette = 'T_Protokoll'")
        .exec();
    const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
    EXPECT_TRUE(ergebnis.unveraendert()) << ergebnis.bericht().toStdString();
    EXPECT_NE(ergebnis.pruefwert(), vorher);
}

TEST_F(Kettenpruefung, BerichtNenntJedenBefundUndKeinenPruefwert)
{
    SqlStatement("UPDATE T_MIREL SET km_an = 1111 WHERE ID = 4").exec();
    SqlStatement("DELETE FROM T_basis WHERE ID = 1").exec();
    const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
    EXPECT_FALSE(ergebnis.unveraendert());
    EXPECT_EQ(ergebnis.betroffeneFahrten(), QSet<qlonglong>{4});
    EXPECT_EQ(
        ergebnis.bericht(),
        QStringLiteral("Das Fahrtenbuch wurde verändert. Befunde (2):\n- ") + fahrt4 + veraendert +
            QStringLiteral("\n- Rohfahrten, Fahrzeug 3 - B-VA 3, Sprinter, Rohfahrt vom 01.03.2006 07:40:05: davor "
                           "fehlt mindestens ein Eintrag (gelöscht).\nPrüfwert ungültig – Fahrtenbuch verändert"));
}

TEST_F(Kettenpruefung, NeuGespeicherteZeilenSetzenDieKetteFort)
{
    const QString vorher = fahrtenbuchpruefung::pruefen().pruefwert();
    weitereFahrt();
    const Pruefergebnis nachher = fahrtenbuchpruefung::pruefen();
    EXPECT_TRUE(nachher.unveraendert()) << nachher.bericht().toStdString();
    EXPECT_NE(nachher.pruefwert(), vorher);
}

TEST_F(Kettenpruefung, ZeileNachEinemGeloeschtenEndeVerdecktDieLueckeNicht)
{
    SqlStatement("DELETE FROM T_MIREL WHERE ID = 5").exec();
    weitereFahrt();
    EXPECT_EQ(befunde(),
              QStringList{QStringLiteral("Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 04.03.2006 08:00: davor "
                                         "fehlt mindestens ein Eintrag (gelöscht).")});
}
