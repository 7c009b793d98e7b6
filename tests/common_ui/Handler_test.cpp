#include "common_ui/Aktivierung.h"
#include "common_ui/Handler.h"
#include "db/DatabaseError.h"
#include "support/ScriptedPrompts.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {
struct Fehlerfall {
    const char* name;
    std::function<void()> handler;
    QString meldung;
};

class HandlerSchutz : public ::testing::TestWithParam<Fehlerfall> {};

class Zaehler : public QObject {
public:
    void erhoehen() { ++anzahl; }
    void mitText(const QString& text) { texte << text; }
    int anzahl = 0;
    QStringList texte;
};
} // namespace

TEST_P(HandlerSchutz, FehlerEndetDenHandlerMitDemVarnoFenster)
{
    bool weiter = false;
    const bool fertig = geschuetzt([&] {
        GetParam().handler();
        weiter = true;
    });
    EXPECT_FALSE(fertig);
    EXPECT_FALSE(weiter);
    ASSERT_EQ(ScriptedPrompts::get().shown().size(), 1u);
    const auto& box = ScriptedPrompts::get().shown().front();
    EXPECT_EQ(box.title, QStringLiteral("Varno"));
    EXPECT_EQ(box.icon, PromptIcon::Error);
    EXPECT_EQ(box.text, GetParam().meldung);
}

INSTANTIATE_TEST_SUITE_P(
    Fehlerarten, HandlerSchutz,
    ::testing::Values(
        Fehlerfall{"Datenbank", [] { throw DatabaseError(QStringLiteral("no such table: T_basis")); },
                   QStringLiteral("no such table: T_basis")},
        Fehlerfall{"Programm", [] { throw VarnoError(QStringLiteral("Fehler beim Kopieren")); },
                   QStringLiteral("Fehler beim Kopieren")},
        Fehlerfall{"Bibliothek", [] { throw std::out_of_range("vector::at"); }, QStringLiteral("vector::at")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Handler, OhneFehlerLaeuftDerHandlerZuEndeOhneMeldung)
{
    int aufrufe = 0;
    EXPECT_TRUE(geschuetzt([&] { ++aufrufe; }));
    EXPECT_EQ(aufrufe, 1);
    EXPECT_TRUE(ScriptedPrompts::get().shown().empty());
}

TEST(Handler, VerbindenRuftMitgliedUndFunktionMitDenPassendenArgumentenAuf)
{
    QLineEdit feld;
    QPushButton knopf;
    Zaehler zaehler;
    verbinden(&knopf, &QPushButton::clicked, &zaehler, &Zaehler::erhoehen);
    verbinden(&feld, &QLineEdit::textChanged, &zaehler, &Zaehler::mitText);
    verbinden(&feld, &QLineEdit::textChanged, &zaehler, [&zaehler](const QString& text) { zaehler.texte << text; });
    knopf.click();
    feld.setText(QStringLiteral("Golf"));
    EXPECT_EQ(zaehler.anzahl, 1);
    EXPECT_EQ(zaehler.texte, (QStringList{QStringLiteral("Golf"), QStringLiteral("Golf")}));
}

TEST(Handler, FehlerImVerbundenenHandlerErreichtDenSenderNicht)
{
    QPushButton knopf;
    Zaehler zaehler;
    verbinden(&knopf, &QPushButton::clicked, &zaehler, [] { throw DatabaseError(QStringLiteral("Platte voll")); });
    verbinden(&knopf, &QPushButton::clicked, &zaehler, &Zaehler::erhoehen);
    EXPECT_NO_THROW(knopf.click());
    EXPECT_EQ(zaehler.anzahl, 1);
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QStringLiteral("Platte voll")});
}

TEST(Aktivierung, NachEinemFehlerWirdDieNaechsteAktivierungUebersprungen)
{
    Aktivierung aktivierung;
    int aufrufe = 0;
    aktivierung.ausfuehren([&] {
        ++aufrufe;
        throw DatabaseError(QStringLiteral("kaputt"));
    });
    // The activation that the closing error box causes.
    aktivierung.ausfuehren([&] { ++aufrufe; });
    aktivierung.ausfuehren([&] { ++aufrufe; });
    EXPECT_EQ(aufrufe, 2);
    EXPECT_EQ(ScriptedPrompts::get().texts(), QStringList{QStringLiteral("kaputt")});
}
