#pragma once

#include "common/Prompts.h"

#include <cstdio>

// The prompts of a command on the command line. Only a server's password is ever asked: on the
// terminal, without echo. A script without terminal gets no question; a password kept in the
// keyring still serves, and libpq finds one in ~/.pgpass or PGPASSWORD. Any other question means a
// command wants to ask what a script cannot answer: it stops with a German VarnoError instead of
// waiting for a window nobody sees.
class Terminalfragen : public Prompts {
public:
    // `terminal` is the terminal to ask on; null: there is none.
    explicit Terminalfragen(std::FILE* terminal);

    PromptAnswer ask(PromptIcon icon, const QString& title, const QString& text, PromptButtons buttons,
                     PromptAnswer defaultAnswer) override;
    std::optional<QString> input(const QString& title, const QString& label, const QString& initial) override;
    std::optional<QString> password(const QString& title, const QString& label) override;
    QString openFile(const QString& title, const QString& directory, const QString& filter) override;
    QString saveFile(const QString& title, const QString& directory, const QString& filter) override;
    QString chooseFolder(const QString& title, const QString& directory) override;
    void beep() override;
    bool kannFragen() const override { return terminal_ != nullptr; }

private:
    std::FILE* terminal_;
};
