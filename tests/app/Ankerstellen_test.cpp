#include "Befehlslauf.h"

#include "admin/PruefwertvermerkStore.h"
#include "admin/ui/TF_Datensicherung.h"
#include "app/THauptform.h"
#include "app/Varno.h"
#include "audit/Ankerdatei.h"
#include "audit/ui/Startpruefung.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "evaluation/ui/TF_AuswertungMirel.h"
#include "logbuch/Logbuch.h"
#include "support/Dateieingriff.h"
#include "support/Kettenangriffe.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString nichtMehrAufDemStand = QStringLiteral("Das Fahrtenbuch ist nicht mehr auf dem festgehaltenen Stand.");

// Where the window program and the command line note the logbook's state outside it.
class Ankerstellen : public ::testing::Test {
protected:
    Ankerstellen()
    {
        Clock::setFixed(QDateTime(QDate(2006, 3, 10), QTime(12, 0)));
        build::optionen(QStringLiteral("DS_Pfad"), sicherungen.path() + QLatin1Char('/'));
        for (int tag : {1, 2})
            fahrt(tag);
        varno.starten(false);
    }
    ~Ankerstellen() override { Clock::reset(); }

    void fahrt(int tag) { build::maerzfahrt(golf, tag); }

    static std::vector<Anker> eigeneAnker() { return Ankerdatei(Ankerdatei::benutzerdatei()).lesen().anker; }

    // "Varno beenden"; the program stays for the test.
    void beenden() { varno.hauptform()->BtEnde->click(); }

    QString sichernImFenster()
    {
        varno.datensicherung()->show();
        varno.datensicherung()->BtSicherung->click();
        return QDir(sicherungen.path()).filePath(QStringLiteral("20060310_120000.sav"));
    }

    TestDatabase db;
    QTemporaryDir sicherungen;
    int golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf")});
    Varno varno{db.file()};
};

} // namespace

TEST_F(Ankerstellen, DasProgrammendeHaeltDenStandFestUndDerNaechsteStartVermisstIhn)
{
    fahrt(3);
    beenden();
    const auto anker = eigeneAnker();
    ASSERT_EQ(anker.size(), 1U);
    EXPECT_EQ(anker.back().anlass, QStringLiteral("Programmende"));
    EXPECT_EQ(anker.back().anzahl[0], SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_MIREL")));

    startpruefung::pruefenUndWarnen(varno.pruefstand());
    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty()) << ScriptedPrompts::get().texts().join('\n').toStdString();

    kettenangriff::letzteFahrtWegnehmen();
    startpruefung::pruefenUndWarnen(varno.pruefstand());
    ASSERT_EQ(ScriptedPrompts::get().texts().size(), 1);
    EXPECT_TRUE(ScriptedPrompts::get().texts().front().startsWith(nichtMehrAufDemStand));
    // The rolled back state is not anchored at the next end either.
    beenden();
    EXPECT_EQ(eigeneAnker().size(), 1U);
}

TEST_F(Ankerstellen, EinVeraendertesFahrtenbuchWirdNichtFestgehalten)
{
    dateieingriff::ausfuehren(db.file(), {QStringLiteral("UPDATE T_MIREL SET km_an = km_an + 1")});
    beenden();
    EXPECT_TRUE(eigeneAnker().empty());
}

TEST_F(Ankerstellen, DieSicherungImFensterHaeltIhrenStandDanebenUndBeimBenutzerFest)
{
    const QString sicherung = sichernImFenster();
    ASSERT_TRUE(QFile::exists(sicherung));
    const auto daneben = Ankerdatei(sicherung + QStringLiteral(".pruefwerte.txt")).lesen();
    ASSERT_EQ(daneben.anker.size(), 1U);
    EXPECT_EQ(daneben.anker.front().anlass, QStringLiteral("Datensicherung"));
    EXPECT_EQ(daneben.anker.front().pruefwert,
              pruefkette::gesamtwert(PruefwertvermerkStore::gesicherteKoepfe(sicherung)));
    ASSERT_EQ(eigeneAnker().size(), 1U);
    EXPECT_EQ(eigeneAnker().front(), daneben.anker.front());
}

TEST_F(Ankerstellen, EineRuecksicherungSetztDenFestgehaltenenStandBewusstZurueck)
{
    const QString sicherung = sichernImFenster();
    fahrt(3);
    beenden();
    ScriptedPrompts::get().clear();

    ScriptedPrompts::get().answerPath(sicherung);
    ScriptedPrompts::get().answer(PromptAnswer::Yes); // the newer trip is given up
    varno.datensicherung()->BtRueckSicherung->click();
    ASSERT_EQ(ScriptedPrompts::get().texts().last(), QStringLiteral("Die Rücksicherung war erfolgreich."));
    EXPECT_EQ(eigeneAnker().back().anlass, QStringLiteral("Rücksicherung"));

    ScriptedPrompts::get().clear();
    startpruefung::pruefenUndWarnen(varno.pruefstand());
    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty()) << ScriptedPrompts::get().texts().join('\n').toStdString();
}

TEST_F(Ankerstellen, DieSicherungDerBefehlszeileHaeltIhrenStandDanebenFest)
{
    Database::schliessen();
    const Lauf lauf = ::varno({QStringLiteral("sichern"), sicherungen.path()});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    const QString sicherung = QDir(sicherungen.path()).filePath(QStringLiteral("20060310_120000.sav"));
    const auto daneben = Ankerdatei(sicherung + QStringLiteral(".pruefwerte.txt")).lesen();
    ASSERT_EQ(daneben.anker.size(), 1U);
    EXPECT_EQ(daneben.anker.front().pruefwert,
              pruefkette::gesamtwert(PruefwertvermerkStore::gesicherteKoepfe(sicherung)));
    EXPECT_EQ(eigeneAnker().back(), daneben.anker.front());
    Logbuch::oeffnen(db.file());
}

TEST_F(Ankerstellen, ExportUndJahresfahrtenbuchHaltenDenStandFest)
{
    TF_AuswertungMirel* auswertung = varno.auswertung();
    auswertung->show();
    auswertung->btAnzeigenClick();
    ScriptedPrompts::get().answerPath(sicherungen.filePath(QStringLiteral("fahrten.csv")));
    auswertung->btExportieren->click();
    ASSERT_TRUE(QFile::exists(sicherungen.filePath(QStringLiteral("fahrten.csv"))));
    ASSERT_EQ(eigeneAnker().size(), 1U);
    EXPECT_EQ(eigeneAnker().back().anlass, QStringLiteral("Export"));

    Database::schliessen();
    const Lauf lauf = ::varno({QStringLiteral("export"), QStringLiteral("--fahrzeug"), QStringLiteral("B-XY 1, Golf"),
                               QStringLiteral("--jahr"), QStringLiteral("2006"), QStringLiteral("--csv"),
                               sicherungen.filePath(QStringLiteral("2006.csv"))});
    Logbuch::oeffnen(db.file());
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    ASSERT_EQ(eigeneAnker().size(), 2U);
    EXPECT_EQ(eigeneAnker().back().anlass, QStringLiteral("Jahresfahrtenbuch"));
    EXPECT_EQ(eigeneAnker().back().pruefwert, eigeneAnker().front().pruefwert);
}
