#pragma once

#include "common/Prompts.h"

// The real dialogs of the desktop.
class QtPrompts : public Prompts {
public:
    PromptAnswer ask(PromptIcon icon, const QString& title, const QString& text, PromptButtons buttons,
                     PromptAnswer defaultAnswer) override;
    std::optional<QString> input(const QString& title, const QString& label, const QString& initial) override;
    std::optional<QString> inputWithSuggestions(const QString& title, const QString& label,
                                                const QStringList& suggestions) override;
    std::optional<QString> password(const QString& title, const QString& label) override;
    QString openFile(const QString& title, const QString& directory, const QString& filter) override;
    QString saveFile(const QString& title, const QString& directory, const QString& filter) override;
    QString chooseFolder(const QString& title, const QString& directory) override;
    void beep() override;
};
