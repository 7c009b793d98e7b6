#pragma once

#include "common/Prompts.h"

#include <gtest/gtest.h>

#include <deque>
#include <variant>
#include <vector>

// Prompts for tests: records every prompt, answers from a queue, and fails the test on a prompt
// nobody scripted. Installed for every test by the test main; reach it with ScriptedPrompts::get().
class ScriptedPrompts : public Prompts {
public:
    struct Shown {
        // "ask", "input", "inputWithSuggestions", "password", "openFile", "saveFile", "chooseFolder", "beep"
        QString kind;
        PromptIcon icon = PromptIcon::None;
        QString title;
        QString text;
        PromptButtons buttons = PromptButtons::Ok;
        PromptAnswer defaultAnswer = PromptAnswer::Ok;
        QString filter; // file dialogs only
        QStringList suggestions; // inputWithSuggestions only
    };

    static ScriptedPrompts& get();

    // Queue the answer of the next prompt. Message boxes with only "OK" need no answer unless
    // strict mode is on; they are recorded and answered with OK.
    void answer(PromptAnswer answer);
    void answerInput(std::optional<QString> text); // input, inputWithSuggestions and password
    void answerPath(const QString& path); // file and folder dialogs; "" = cancelled

    const std::vector<Shown>& shown() const { return shown_; }
    // Texts of all message boxes and questions shown so far.
    QStringList texts() const;
    int beeps() const;
    void clear();
    // Whether every queued answer has been used.
    bool allAnswered() const { return answers_.empty(); }

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

private:
    using Answer = std::variant<PromptAnswer, std::optional<QString>, QString>;
    template <typename T> T take(const Shown& shown);
    QString path(const QString& kind, const QString& title, const QString& directory, const QString& filter);

    std::deque<Answer> answers_;
    std::vector<Shown> shown_;
};

// Installs fresh scripted prompts before each test and checks afterwards that all answers were used.
class ScriptedPromptsEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
};
