#include "db/SqlStatement.h"
#include "master/ui/TF_Fahrer.h"
#include "support/ScriptedPrompts.h"
#include "support/TestDatabase.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FahrerTest : public ::testing::Test {
protected:
    void oeffnen()
    {
        fenster.show();
        fenster.FormActivate();
    }

    int zeileVon(const QString& name) const
    {
        for (int zeile = 0; zeile < fenster.SGFahrer->rowCount(); ++zeile)
            if (fenster.SGFahrer->item(zeile, 0)->text() == name)
                return zeile;
        return -1;
    }

    QString zelle(int zeile, int spalte) const
    {
        const QTableWidgetItem* item = fenster.SGFahrer->item(zeile, spalte);
        return item ? item->text() : QStringLiteral("<keine Zelle>");
    }

    QStringList namen() const
    {
        QStringList liste;
        for (int zeile = 0; zeile < fenster.SGFahrer->rowCount(); ++zeile)
            liste << zelle(zeile, 0);
        return liste;
    }

    void waehle(const QString& name) { fenster.SGFahrerClick(zeileVon(name)); }

    static int fahrerMit(const QString& name)
    {
        return SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_Fahrer WHERE Bezeichnung = ?"), {name});
    }

    TestDatabase db;
    TF_Fahrer fenster;
};

} // namespace

TEST_F(FahrerTest, FahrerMitZwoelfFahrtenZeigtLetzteFahrtUndLaesstSichNichtLoeschen)
{
    const int meier = build::fahrer(QStringLiteral("Meier"), QStringLiteral("Außendienst"));
    const int golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf")});
    const QDate tag(2006, 3, 1);
    for (int i = 0; i < 11; ++i)
        build::fahrt({.kfz = golf, .ab = QDateTime(tag.addDays(i), QTime(8, 0)),
                      .an = QDateTime(tag.addDays(i), QTime(9, 0)), .fahrer = meier});
    // Stored last, though not the latest in time: the last trip is the most recently stored one.
    build::fahrt({.kfz = 1, .ab = QDateTime(QDate(2006, 2, 1), QTime(7, 0)),
                  .an = QDateTime(QDate(2006, 2, 1), QTime(7, 45, 30)), .fahrer = meier});

    oeffnen();
    const int zeile = zeileVon(QStringLiteral("Meier"));
    ASSERT_GE(zeile, 0);
    EXPECT_EQ(zelle(zeile, 1), QStringLiteral("Außendienst"));
    EXPECT_EQ(zelle(zeile, 2), QStringLiteral("12"));
    EXPECT_EQ(zelle(zeile, 3), QStringLiteral("01.02.2006 07:45:30"));
    EXPECT_EQ(zelle(zeile, 4), QStringLiteral("Musterfahrzeug"));

    fenster.SGFahrerClick(zeile);
    EXPECT_EQ(fenster.EName->text(), QStringLiteral("Meier"));
    EXPECT_EQ(fenster.mBemerkung->toPlainText(), QStringLiteral("Außendienst"));
    EXPECT_FALSE(fenster.BtLoeschen->isEnabled());
    EXPECT_FALSE(fenster.BtSpeichern->isEnabled());
    EXPECT_TRUE(fenster.BtVerwerfen->isEnabled());
    EXPECT_FALSE(fenster.NeuModus);
}

TEST_F(FahrerTest, KartenfahrerOhneBemerkungUndOhneFahrten)
{
    build::fahrer(QStringLiteral("Schulz"));
    oeffnen();
    const int zeile = zeileVon(QStringLiteral("Schulz"));
    ASSERT_GE(zeile, 0);
    EXPECT_TRUE(zelle(zeile, 1).isEmpty());
    EXPECT_EQ(zelle(zeile, 2), QStringLiteral("0"));
    EXPECT_TRUE(zelle(zeile, 3).isEmpty());
    EXPECT_TRUE(zelle(zeile, 4).isEmpty());
    fenster.SGFahrerClick(zeile);
    EXPECT_TRUE(fenster.BtLoeschen->isEnabled());
}

TEST_F(FahrerTest, ListeNachNamenMitUeberschriften)
{
    build::fahrer(QStringLiteral("Zander"));
    build::fahrer(QStringLiteral("Albers"));
    oeffnen();
    EXPECT_EQ(namen(), (QStringList{QStringLiteral("Albers"), QStringLiteral("Zander")}));
    EXPECT_EQ(fenster.SGFahrer->horizontalHeaderItem(3)->text(), QStringLiteral("letzte Fahrt Ankunft"));
    EXPECT_TRUE(fenster.NeuModus);
    EXPECT_FALSE(fenster.BtSpeichern->isEnabled());
    EXPECT_FALSE(fenster.BtVerwerfen->isEnabled());
    EXPECT_FALSE(fenster.BtLoeschen->isEnabled());
}

TEST_F(FahrerTest, NachVerwerfenBleibtSpeichernAusUndAnlegenAn)
{
    build::fahrer(QStringLiteral("Meier"));
    oeffnen();
    waehle(QStringLiteral("Meier"));
    fenster.BtVerwerfen->click();
    QTest::keyClicks(fenster.EName, QStringLiteral("Neumann"));
    QTest::keyClicks(fenster.mBemerkung, QStringLiteral("Praktikant"));
    EXPECT_FALSE(fenster.BtSpeichern->isEnabled());
    EXPECT_TRUE(fenster.BtNeu->isEnabled());
    EXPECT_TRUE(fenster.BtVerwerfen->isEnabled());

    fenster.BtNeu->click();
    EXPECT_EQ(namen(), (QStringList{QStringLiteral("Meier"), QStringLiteral("Neumann")}));
    EXPECT_EQ(zelle(zeileVon(QStringLiteral("Neumann")), 1), QStringLiteral("Praktikant"));
    EXPECT_TRUE(fenster.EName->text().isEmpty());
}

TEST_F(FahrerTest, SpeichernAendertNurDenGewaehltenFahrer)
{
    const int erster = build::fahrer(QStringLiteral("Meier"));
    // A second driver of that name can only come from an old database; he stays untouched.
    const int zweiter = build::fahrer(QStringLiteral("Meier"), QStringLiteral("zweiter"));
    oeffnen();
    ASSERT_EQ(namen().count(QStringLiteral("Meier")), 2);
    fenster.SGFahrerClick(1);
    const int gewaehlt = fenster.mBemerkung->toPlainText() == QStringLiteral("zweiter") ? zweiter : erster;
    fenster.EName->selectAll();
    fenster.EName->insert(QStringLiteral("Meier-Lüdenscheid \"Mo\""));
    EXPECT_TRUE(fenster.BtSpeichern->isEnabled());
    EXPECT_FALSE(fenster.BtLoeschen->isEnabled());
    fenster.BtSpeichern->click();

    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_Fahrer WHERE ID = ? AND Bezeichnung = ?"),
                                      {gewaehlt, QStringLiteral("Meier-Lüdenscheid \"Mo\"")}),
              1);
    EXPECT_EQ(fahrerMit(QStringLiteral("Meier")), 1);
    EXPECT_TRUE(fenster.NeuModus);
}

TEST_F(FahrerTest, DoppelterNameAusAlterDatenbankBehaeltBeimSpeichernSeinenNamen)
{
    build::fahrer(QStringLiteral("Meier"));
    build::fahrer(QStringLiteral("Meier"));
    oeffnen();
    fenster.SGFahrerClick(0);
    QTest::keyClicks(fenster.mBemerkung, QStringLiteral("Lager"));
    fenster.BtSpeichern->click();
    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty());
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_Fahrer WHERE Bemerkung = 'Lager'")), 1);
}

TEST_F(FahrerTest, BemerkungMitAnfuehrungszeichenWirdUnveraendertGespeichert)
{
    const int id = build::fahrer(QStringLiteral("O'Brien"));
    oeffnen();
    waehle(QStringLiteral("O'Brien"));
    fenster.mBemerkung->insertPlainText(QStringLiteral("sagt \"Hallo\" und 'Tschüß'"));
    fenster.BtSpeichern->click();
    SqlStatement s("SELECT Bezeichnung, Bemerkung FROM T_Fahrer WHERE ID = ?");
    s.bind(id).exec();
    ASSERT_TRUE(s.next());
    EXPECT_EQ(s.text("Bezeichnung"), QStringLiteral("O'Brien"));
    EXPECT_EQ(s.text("Bemerkung"), QStringLiteral("sagt \"Hallo\" und 'Tschüß'"));
}

struct NamensFall {
    const char* name;
    bool neu; // "Anlegen", else "Speichern" of the picked driver "Meier"
};

class NameAbgelehnt : public FahrerTest, public ::testing::WithParamInterface<NamensFall> {};

TEST_P(NameAbgelehnt, LeerOderVergebenWirdNichtGespeichert)
{
    build::fahrer(QStringLiteral("Meier"));
    build::fahrer(QStringLiteral("Schulz"));
    oeffnen();
    if (!GetParam().neu)
        waehle(QStringLiteral("Meier"));
    fenster.EName->selectAll();
    fenster.EName->del();
    QTest::keyClicks(fenster.EName, QString::fromUtf8(GetParam().name));
    (GetParam().neu ? fenster.BtNeu : fenster.BtSpeichern)->click();

    auto& prompts = ScriptedPrompts::get();
    EXPECT_EQ(prompts.beeps(), 1);
    ASSERT_EQ(prompts.shown().size(), 2u);
    EXPECT_EQ(prompts.shown().back().title, QStringLiteral("Fehler"));
    EXPECT_EQ(namen(), (QStringList{QStringLiteral("Meier"), QStringLiteral("Schulz")}));
    EXPECT_EQ(fenster.EName->text(), QString::fromUtf8(GetParam().name));
    EXPECT_EQ(fenster.focusWidget(), fenster.EName);
}

INSTANTIATE_TEST_SUITE_P(Faelle, NameAbgelehnt,
                         ::testing::Values(NamensFall{"", true}, NamensFall{"  ", true}, NamensFall{"Schulz", true},
                                           NamensFall{"Meier", true}, NamensFall{"Schulz", false},
                                           NamensFall{" ", false}));

TEST_F(FahrerTest, EigenerNameBleibtBeimSpeichernErlaubt)
{
    const int id = build::fahrer(QStringLiteral("Meier"));
    oeffnen();
    waehle(QStringLiteral("Meier"));
    QTest::keyClicks(fenster.mBemerkung, QStringLiteral("Chef"));
    fenster.BtSpeichern->click();
    EXPECT_TRUE(ScriptedPrompts::get().texts().isEmpty());
    EXPECT_EQ(SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM T_Fahrer WHERE ID = ? AND Bemerkung = 'Chef'"),
                                      {id}),
              1);
}

TEST_F(FahrerTest, LoeschenNachRueckfrage)
{
    build::fahrer(QStringLiteral("Meier"));
    build::fahrer(QStringLiteral("Schulz"));
    oeffnen();
    waehle(QStringLiteral("Meier"));
    auto& prompts = ScriptedPrompts::get();
    prompts.answer(PromptAnswer::No);
    fenster.BtLoeschen->click();
    EXPECT_EQ(fahrerMit(QStringLiteral("Meier")), 1);

    waehle(QStringLiteral("Meier"));
    prompts.answer(PromptAnswer::Yes);
    fenster.BtLoeschen->click();
    const auto& frage = prompts.shown().back();
    EXPECT_EQ(frage.title, QStringLiteral("Achtung"));
    EXPECT_EQ(frage.text, QStringLiteral("Wollen Sie den Fahrer wirklich löschen?"));
    EXPECT_EQ(frage.defaultAnswer, PromptAnswer::No);
    EXPECT_EQ(fahrerMit(QStringLiteral("Meier")), 0);
    EXPECT_EQ(namen(), QStringList{QStringLiteral("Schulz")});
}

TEST_F(FahrerTest, LoeschenPrueftDieFahrtenErneut)
{
    const int meier = build::fahrer(QStringLiteral("Meier"));
    oeffnen();
    waehle(QStringLiteral("Meier"));
    ASSERT_TRUE(fenster.BtLoeschen->isEnabled());
    // Meanwhile a trip was stored for him in the trip entry window.
    build::fahrt({.kfz = 1, .ab = QDateTime(QDate(2006, 3, 1), QTime(8, 0)),
                  .an = QDateTime(QDate(2006, 3, 1), QTime(9, 0)), .fahrer = meier});
    auto& prompts = ScriptedPrompts::get();
    prompts.answer(PromptAnswer::Yes);
    fenster.BtLoeschen->click();

    EXPECT_EQ(fahrerMit(QStringLiteral("Meier")), 1);
    EXPECT_EQ(prompts.shown().back().title, QStringLiteral("Fehler"));
    EXPECT_EQ(zelle(zeileVon(QStringLiteral("Meier")), 2), QStringLiteral("1"));
}

TEST_F(FahrerTest, AktivierungLaedtNeuUndBehaeltGetippteEingaben)
{
    oeffnen();
    const int id = build::fahrer(QStringLiteral("Neu von woanders"));
    Q_UNUSED(id);
    QTest::keyClicks(fenster.EName, QStringLiteral("Halb getippt"));
    fenster.FormActivate();
    EXPECT_EQ(namen(), QStringList{QStringLiteral("Neu von woanders")});
    EXPECT_EQ(fenster.EName->text(), QStringLiteral("Halb getippt"));
    EXPECT_TRUE(fenster.BtVerwerfen->isEnabled());

    fenster.BtVerwerfen->click();
    fenster.FormActivate();
    EXPECT_TRUE(fenster.EName->text().isEmpty());
    EXPECT_TRUE(fenster.NeuModus);
}
