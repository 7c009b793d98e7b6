#include "app/Terminalfragen.h"
#include "common/VarnoError.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

TEST(Terminalfragen, PasswortKommtVomTerminal)
{
    int rohr[2] = {-1, -1};
    ASSERT_EQ(::pipe(rohr), 0);
    const char eingabe[] = "gehe im\nRest";
    ASSERT_EQ(::write(rohr[1], eingabe, sizeof eingabe - 1), static_cast<ssize_t>(sizeof eingabe - 1));
    ::close(rohr[1]);
    std::FILE* terminal = ::fdopen(rohr[0], "r");
    ASSERT_NE(terminal, nullptr);
    Terminalfragen fragen(terminal);
    EXPECT_EQ(fragen.password(QStringLiteral("Anmeldung"), QStringLiteral("Passwort:")), QStringLiteral("gehe im"));
    std::fclose(terminal);
}

TEST(Terminalfragen, OhneTerminalWirdNichtGefragt)
{
    Terminalfragen fragen(nullptr);
    EXPECT_EQ(fragen.password(QStringLiteral("Anmeldung"), QStringLiteral("Passwort:")), std::nullopt);
}

TEST(Terminalfragen, AndereFragenHaltenDenBefehlMitMeldungAn)
{
    Terminalfragen fragen(nullptr);
    try {
        fragen.ask(PromptIcon::Question, QStringLiteral("Achtung"), QStringLiteral("Wirklich löschen?"),
                   PromptButtons::YesNo, PromptAnswer::No);
        FAIL() << "gefragt";
    } catch (const VarnoError& fehler) {
        EXPECT_EQ(fehler.message(),
                  QStringLiteral("Auf der Befehlszeile kann nicht gefragt werden: Wirklich löschen?"));
    }
    EXPECT_THROW(fragen.openFile(QStringLiteral("Öffnen"), {}, {}), VarnoError);
}
