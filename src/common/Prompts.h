#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// Every message box, question, input dialog, file or folder dialog and beep of the program goes
// through this interface, so tests can answer them and check what the user would have seen.
enum class PromptIcon { None, Information, Warning, Error, Question };

enum class PromptButtons { Ok, YesNo, YesNoCancel, OkCancel };

enum class PromptAnswer { Ok, Yes, No, Cancel };

class Prompts {
public:
    virtual ~Prompts() = default;

    virtual PromptAnswer ask(PromptIcon icon, const QString& title, const QString& text, PromptButtons buttons,
                             PromptAnswer defaultAnswer) = 0;
    // An empty optional means the user cancelled.
    virtual std::optional<QString> input(const QString& title, const QString& label, const QString& initial) = 0;
    // Like input, with the usual answers offered in a list; any other text may be typed. Starts empty.
    virtual std::optional<QString> inputWithSuggestions(const QString& title, const QString& label,
                                                        const QStringList& suggestions)
    {
        Q_UNUSED(suggestions);
        return input(title, label, QString());
    }
    // Like input, but the typed text is not shown.
    virtual std::optional<QString> password(const QString& title, const QString& label) = 0;
    // An empty result means the user cancelled. The filter uses Qt's form ("Text (*.txt)").
    virtual QString openFile(const QString& title, const QString& directory, const QString& filter) = 0;
    virtual QString saveFile(const QString& title, const QString& directory, const QString& filter) = 0;
    virtual QString chooseFolder(const QString& title, const QString& directory) = 0;
    virtual void beep() = 0;
    // Whether a question reaches anyone at all: not for a command started without a terminal.
    virtual bool kannFragen() const { return true; }

    static Prompts& instance();
    // Replaces the process-wide prompts: the application installs the real dialogs, tests a scripted
    // one. Returns the previous one.
    static std::unique_ptr<Prompts> install(std::unique_ptr<Prompts> prompts);
};

// Short forms for the boxes the program shows everywhere.
namespace prompt {
// Plain message box titled with the application title "Varno".
void message(const QString& text);
void information(const QString& text);
void warning(const QString& text);
void error(const QString& text);
// The standard error box titled "Varno" for an error that stopped a handler.
void applicationError(const QString& text);
// Yes/No question; the default button is Yes unless noByDefault.
bool confirm(const QString& title, const QString& text, PromptIcon icon = PromptIcon::Question,
             bool noByDefault = false);
// Question before a destructive action: warning box titled "Achtung", No preselected.
bool confirmDestructive(const QString& text);
void beep();
} // namespace prompt
