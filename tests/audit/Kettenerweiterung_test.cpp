#include "audit/Ankerdatei.h"
#include "audit/Fahrtenbuchpruefung.h"
#include "audit/Pruefbefehl.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "db/Dialekt.h"
#include "logbuch/Logbuch.h"
#include "logbuch/kette/Kettenanhang.h"
#include "logbuch/schema/Schema.h"
#include "db/SqlStatement.h"
#include "support/TestDatabase.h"
#include "support/Testserver.h"
#include "logbuch/schema/Schemastand.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A logbook whose chains began before the chained rows gained a column (who stored a row: schema
// 4; the names a trip prints: schema 5) moves to the new form in a numbered schema step: its rows
// keep their values, the step records the state before in the protocol, and a Prüfwert printed
// before still confirms that state. On a file and on a server.
namespace {

struct Schritt {
    const char* name;
    int schemaDavor;
    pruefkette::Form form;  // what the program of that schema stored
    const char* einleitung; // how the step's protocol entry begins
    int spaetereSchritte;   // steps after it, each with an entry of its own
};

void PrintTo(const Schritt& schritt, std::ostream* os)
{
    *os << schritt.name;
}

using Fall = std::tuple<Datenbankart, Schritt>;

class Kettenerweiterung : public ::testing::TestWithParam<Fall> {
protected:
    Datenbankart art() const { return std::get<0>(GetParam()); }
    const Schritt& schritt() const { return std::get<1>(GetParam()); }

    void SetUp() override
    {
        if (testserver::fehltFuer(art()))
            GTEST_SKIP() << testserver::fehlt;
        Clock::setFixed(QDateTime(QDate(2006, 3, 10), QTime(12, 0)));
        if (art() == Datenbankart::SQLite) {
            ort = QDir(verzeichnis.path()).filePath(QStringLiteral("varno.db"));
            QFile datei(ort);
            ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
        } else {
            ort = testserver::leereDatenbank();
        }
        Logbuch::wieVorgefunden(ort, Database::Access::ReadWrite);
        Schema::create(schritt().schemaDavor);
        // What the program of that schema stored.
        Transaction transaktion;
        Kettenanhang kette(Clock::now(), schritt().form);
        kette.anhaengen(Fahrtenbucheintrag{.kfz = 1,
                                           .abDat = QStringLiteral("2006-03-01 08:00:00"),
                                           .anDat = QStringLiteral("2006-03-01 09:00:00"),
                                           .kmAb = 1000,
                                           .kmAn = 1050,
                                           .art = 4,
                                           .zweck = 1});
        kette.protokollieren(Ereignis::FahrerUmbenannt, QStringLiteral("Fahrer Meier in Maier umbenannt."));
        kette.kopfSchreiben();
        transaktion.commit();
    }
    void TearDown() override
    {
        Database::schliessen();
        Clock::reset();
        // The checks noted this logbook's states in the user's anchor file; the next test on the
        // same server database starts afresh.
        QFile::remove(Ankerdatei::benutzerdatei());
    }

    QTemporaryDir verzeichnis;
    QString ort;
};

// The protocol's entry `zurueck` entries before the newest.
QString protokolleintrag(int zurueck = 0)
{
    SqlStatement s("SELECT Ereignis, Beschreibung, Benutzer FROM T_Protokoll ORDER BY ID DESC LIMIT 1 OFFSET ?");
    s.bind(zurueck).exec();
    if (!s.next())
        return {};
    return s.text(QStringLiteral("Ereignis")) + QLatin1Char('|') + s.text(QStringLiteral("Beschreibung")) +
           QLatin1Char('|') + s.text(QStringLiteral("Benutzer"));
}

} // namespace

TEST_P(Kettenerweiterung, FrueherGedruckterPruefwertBestaetigtDenStandNachDerUmstellung)
{
    const Pruefergebnis vorher = fahrtenbuchpruefung::pruefen();
    ASSERT_TRUE(vorher.unveraendert()) << vorher.bericht().toStdString();
    const QString gedruckt = vorher.pruefwert();
    const QString frueherGedruckt = QString::fromLatin1(pruefkette::gesamtwert(vorher.koepfe).toHex().left(16));
    const int mitBenutzerVorher =
        schritt().form == pruefkette::Form::OhneBenutzer
            ? 0
            : SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Protokoll WHERE Benutzer IS NOT NULL");
    Database::schliessen();

    Logbuch::oeffnen(ort);
    EXPECT_EQ(schemastand::lesen(), Schema::currentVersion);
    const QString benutzer = Database::dialekt().benutzer();
    EXPECT_FALSE(benutzer.isEmpty());
    const QString eintrag = protokolleintrag(schritt().spaetereSchritte);
    EXPECT_TRUE(eintrag.startsWith(QStringLiteral("Prüfkette erweitert|") + QString::fromUtf8(schritt().einleitung)))
        << eintrag.toStdString();
    EXPECT_TRUE(eintrag.contains(QStringLiteral(" Stand davor laut den Vermerken der Prüfkette: Prüfwert %1 (%2 "
                                                "Einträge; ")
                                     .arg(pruefkette::vollanzeige(pruefkette::gesamtwert(vorher.koepfe)))
                                     .arg(vorher.eintraege())))
        << eintrag.toStdString();
    EXPECT_TRUE(eintrag.endsWith(QLatin1Char('|') + benutzer));
    // Rows stored from now on name who stored them and keep the names they print.
    protokollEintragen(Ereignis::FahrerGeloescht, QStringLiteral("Fahrer Maier gelöscht."));
    build::maerzfahrt(1, 5);
    const int schritte = 1 + schritt().spaetereSchritte;
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Protokoll WHERE Benutzer = ?", {benutzer}),
              mitBenutzerVorher + schritte + 1);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE Kennzeichen IS NULL"), 2);
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_MIREL WHERE Kennzeichen = 'Musterfahrzeug'"), 1);
    const Pruefergebnis nachher = fahrtenbuchpruefung::pruefen();
    EXPECT_TRUE(nachher.unveraendert()) << nachher.bericht().toStdString();
    EXPECT_EQ(nachher.eintraege(), vorher.eintraege() + schritte + 2);
    Database::schliessen();

    for (const QString& wert : {gedruckt, frueherGedruckt}) {
        const auto ergebnis = pruefbefehl::ausfuehren(ort, wert);
        EXPECT_EQ(ergebnis.rueckgabe, pruefbefehl::unveraendert) << ergebnis.text.toStdString();
        EXPECT_TRUE(ergebnis.text.contains(
            QStringLiteral("(%1 Einträge) ist unverändert in dieser Datei enthalten.").arg(vorher.eintraege())))
            << ergebnis.text.toStdString();
    }
}

// The auditor's script reads rows of every form (the chain's start has no user and no names,
// later rows have them) and comes to the program's Prüfwert.
TEST(KettenerweiterungSkript, SkriptRechnetBeideFormenNach)
{
    TestDatabase db;
    protokollEintragen(Ereignis::FahrerGeloescht, QStringLiteral("Fahrer Maier gelöscht."));
    build::maerzfahrt(1, 5);
    const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
    Database::schliessen();
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral(VARNO_KETTENPRUEFUNG), db.file()});
    python.waitForFinished(60000);
    const QString aus = QString::fromUtf8(python.readAllStandardOutput());
    ASSERT_TRUE(ergebnis.unveraendert()) << ergebnis.bericht().toStdString();
    EXPECT_EQ(python.exitCode(), 0) << aus.toStdString();
    EXPECT_TRUE(aus.endsWith(ergebnis.bericht().section(QLatin1Char('\n'), -1) + QLatin1Char('\n')))
        << aus.toStdString() << ergebnis.bericht().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Schritte, Kettenerweiterung,
    ::testing::Combine(::testing::Values(Datenbankart::SQLite, Datenbankart::PostgreSQL),
                       ::testing::Values(Schritt{"Benutzer", 3, pruefkette::Form::OhneBenutzer,
                                                 "Von nun an nennt jeder Eintrag, wer ihn gespeichert hat.", 1},
                                         Schritt{"Namen", 4, pruefkette::Form::MitBenutzer,
                                                 "Von nun an behält jede Fahrt die Namen, die sie druckt. Fahrten "
                                                 "davor drucken die Namen der Stammdaten, die in diesem Moment "
                                                 "lauten: Orte: keine; Zwecke: 1 „keine Angabe“; Kategorien: keine; "
                                                 "Fahrer: keine; Fahrtarten: 1 „unzugeordnet“ (U), 2 „privat“ (P), 3 "
                                                 "„Arbeitsweg“ (A), 4 „geschäftlich“ (G), 99 „Startdatensatz“ (n); "
                                                 "Fahrzeuge: 1 „Musterfahrzeug“.",
                                                 0})),
    [](const ::testing::TestParamInfo<Fall>& info) {
        return datenbankName({std::get<0>(info.param), info.index}) + std::get<1>(info.param).name;
    });
