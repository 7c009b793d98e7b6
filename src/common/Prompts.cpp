#include "common/Prompts.h"

#include <QtGlobal>

namespace {
std::unique_ptr<Prompts>& current()
{
    static std::unique_ptr<Prompts> prompts;
    return prompts;
}
} // namespace

Prompts& Prompts::instance()
{
    // The application object installs the real dialogs, the test main scripted ones.
    if (!current())
        qFatal("Varno: no prompts installed");
    return *current();
}

std::unique_ptr<Prompts> Prompts::install(std::unique_ptr<Prompts> prompts)
{
    std::swap(current(), prompts);
    return prompts;
}

namespace prompt {
void message(const QString& text)
{
    Prompts::instance().ask(PromptIcon::None, QStringLiteral("Varno"), text, PromptButtons::Ok, PromptAnswer::Ok);
}

void information(const QString& text)
{
    Prompts::instance().ask(PromptIcon::Information, QStringLiteral("Information"), text, PromptButtons::Ok,
                            PromptAnswer::Ok);
}

void warning(const QString& text)
{
    Prompts::instance().ask(PromptIcon::Warning, QStringLiteral("Warnung"), text, PromptButtons::Ok, PromptAnswer::Ok);
}

void error(const QString& text)
{
    Prompts::instance().ask(PromptIcon::Error, QStringLiteral("Fehler"), text, PromptButtons::Ok, PromptAnswer::Ok);
}

void applicationError(const QString& text)
{
    Prompts::instance().ask(PromptIcon::Error, QStringLiteral("Varno"), text, PromptButtons::Ok, PromptAnswer::Ok);
}

bool confirm(const QString& title, const QString& text, PromptIcon icon, bool noByDefault)
{
    const PromptAnswer defaultAnswer = noByDefault ? PromptAnswer::No : PromptAnswer::Yes;
    return Prompts::instance().ask(icon, title, text, PromptButtons::YesNo, defaultAnswer) == PromptAnswer::Yes;
}

bool confirmDestructive(const QString& text)
{
    return confirm(QStringLiteral("Achtung"), text, PromptIcon::Warning, true);
}

void beep()
{
    Prompts::instance().beep();
}
} // namespace prompt
