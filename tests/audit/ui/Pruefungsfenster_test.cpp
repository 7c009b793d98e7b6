#include "app/THauptform.h"
#include "app/Varno.h"
#include "audit/ui/TF_Protokoll.h"
#include "audit/ui/TF_Pruefung.h"
#include "common/Clock.h"
#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/SqlStatement.h"
#include "logbuch/FahrzeugStore.h"
#include "logbuch/StammdatenStore.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"
#include "support/ui/Fensterhilfen.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

class Pruefungsfenster : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::setFixed(QDateTime(QDate(2006, 3, 10), QTime(12, 0)));
        golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf")});
        fahrt = build::fahrt({.kfz = golf,
                              .ab = QDateTime(QDate(2006, 3, 1), QTime(8, 0)),
                              .an = QDateTime(QDate(2006, 3, 1), QTime(9, 0)),
                              .kmAb = 1000,
                              .kmAn = 1050,
                              .start = build::ort(QStringLiteral("Essen")),
                              .ziel = build::ort(QStringLiteral("Bonn"))});
    }
    void TearDown() override { Clock::reset(); }

    QStringList protokoll(Varno& varno)
    {
        menuepunkt(*varno.hauptform(), QStringLiteral("Extras"), QStringLiteral("Protokoll"))->trigger();
        QTableWidget* tabelle = varno.protokoll()->sgProtokoll;
        QStringList zeilen;
        for (int zeile = 0; zeile < tabelle->rowCount(); ++zeile)
            zeilen << tabelle->item(zeile, 1)->text() + QStringLiteral(": ") + tabelle->item(zeile, 3)->text();
        return zeilen;
    }

    TestDatabase db;
    int golf = 0;
    int fahrt = 0;
};

const QString fahrtText = QStringLiteral("Fahrtenbuch, Fahrzeug B-XY 1, Golf, Fahrt vom 01.03.2006 08:00: ");

} // namespace

TEST_F(Pruefungsfenster, StartMitUnveraendertemFahrtenbuchBleibtStill)
{
    Varno varno{db.file()};
    varno.starten(false);
    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty()) << ScriptedPrompts::get().texts().join(u'\n').toStdString();
}

TEST_F(Pruefungsfenster, StartMitVeraendertemFahrtenbuchWarnt)
{
    SqlStatement("UPDATE T_MIREL SET km_an = 1005 WHERE ID = ?").bind(fahrt).exec();
    Varno varno{db.file()};
    varno.starten(false);
    ASSERT_EQ(ScriptedPrompts::get().shown().size(), 1u);
    const ScriptedPrompts::Shown& box = ScriptedPrompts::get().shown().front();
    EXPECT_EQ(box.icon, PromptIcon::Warning);
    EXPECT_EQ(box.text, QStringLiteral("Die Prüfung des Fahrtenbuchs hat 1 Abweichung gefunden: Einträge wurden nach "
                                       "dem Speichern außerhalb von Varno verändert, gelöscht oder eingefügt.\n\n- ") +
                            fahrtText +
                            QStringLiteral("nach dem Speichern verändert.\n\nAlle Befunde zeigt Extras > Fahrtenbuch "
                                           "prüfen."));
}

TEST_F(Pruefungsfenster, StartMitBeschaedigterKetteMeldetStattAbzubrechen)
{
    SqlStatement("ALTER TABLE T_MIREL DROP COLUMN Laufnr").exec();
    Varno varno{db.file()};
    varno.starten(false);
    ASSERT_EQ(ScriptedPrompts::get().texts().size(), 1) << ScriptedPrompts::get().texts().join(u'\n').toStdString();
    EXPECT_TRUE(ScriptedPrompts::get().texts().front().startsWith(
        QStringLiteral("Das Fahrtenbuch konnte nicht geprüft werden: ")));
}

TEST_F(Pruefungsfenster, MenuePruefenZeigtDenBericht)
{
    Varno varno{db.file()};
    varno.starten(false);
    SqlStatement("DELETE FROM T_MIREL WHERE ID = ?").bind(fahrt - 1).exec();
    menuepunkt(*varno.hauptform(), QStringLiteral("Extras"), QStringLiteral("Fahrtenbuch prüfen"))->trigger();
    EXPECT_TRUE(varno.pruefung()->isVisible());
    EXPECT_EQ(varno.pruefung()->MBericht->toPlainText().section(u'\n', 0, 1),
              QStringLiteral("Das Fahrtenbuch wurde verändert. Befunde (1):\n- ") + fahrtText +
                  QStringLiteral("davor fehlt mindestens ein Eintrag (gelöscht)."));
}

TEST_F(Pruefungsfenster, ProtokollNenntDieAenderungenAusserhalbDerFahrten)
{
    const int meier = build::fahrer(QStringLiteral("Meier"));
    const int schulz = build::fahrer(QStringLiteral("Schulz"));
    StammdatenStore::fahrerAendern(meier, QStringLiteral("Meyer"), QStringLiteral("neu geschrieben"));
    StammdatenStore::fahrerAendern(meier, QStringLiteral("Meyer"), QStringLiteral("nur die Bemerkung"));
    EXPECT_TRUE(StammdatenStore::fahrerLoeschen(schulz));
    FahrzeugStore::abschliessen(golf);
    Varno varno{db.file()};
    varno.starten(false);
    const QStringList zeilen = protokoll(varno);
    ASSERT_EQ(zeilen.size(), 4);
    EXPECT_TRUE(zeilen[0].startsWith(QStringLiteral("Prüfkette begonnen: ")));
    EXPECT_EQ(zeilen.mid(1), (QStringList{QStringLiteral("Fahrer umbenannt: Fahrer „Meier“ umbenannt in „Meyer“."),
                                          QStringLiteral("Fahrer gelöscht: Fahrer „Schulz“ gelöscht."),
                                          QStringLiteral("Fahrzeug abgeschlossen: Fahrzeug „B-XY 1, Golf“ "
                                                         "abgeschlossen.")}));
    EXPECT_EQ(varno.protokoll()->sgProtokoll->item(3, 0)->text(), QStringLiteral("10.03.2006 12:00:00"));
    // Who stored each entry; the chain's first entry was stored before users were recorded.
    EXPECT_EQ(varno.protokoll()->sgProtokoll->horizontalHeaderItem(2)->text(), QStringLiteral("Gespeichert von"));
    EXPECT_EQ(varno.protokoll()->sgProtokoll->item(3, 2)->text(), Database::dialekt().benutzer());
    EXPECT_EQ(varno.protokoll()->sgProtokoll->item(0, 2)->text(), QString());
}

TEST_F(Pruefungsfenster, FahrerMitFahrtenWirdWederGeloeschtNochProtokolliert)
{
    const int meier = build::fahrer(QStringLiteral("Meier"));
    SqlStatement("UPDATE T_MIREL SET Fahrer = ? WHERE ID = ?").bind(meier).bind(fahrt).exec();
    EXPECT_FALSE(StammdatenStore::fahrerLoeschen(meier));
    EXPECT_EQ(SqlStatement::scalarInt("SELECT COUNT(*) FROM T_Protokoll"), 1);
}
