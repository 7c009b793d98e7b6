#include "support/ScriptedPrompts.h"

#include "common/Clock.h"
#include "common/Schluesselbund.h"
#include "support/Testkonfiguration.h"

namespace {
ScriptedPrompts* installed = nullptr;

// Resets prompts, clock and keyring (none) around every test.
class ResetListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        ScriptedPrompts::get().clear();
        Clock::reset();
        Schluesselbund::install(nullptr, Schluesselbund::Nutzung::NurLesen);
        Testkonfiguration::datenordnerLeeren();
    }
    void OnTestEnd(const ::testing::TestInfo& info) override
    {
        if (!ScriptedPrompts::get().allAnswered())
            ADD_FAILURE() << info.name() << ": not every scripted prompt answer was used";
        ScriptedPrompts::get().clear();
    }
};
} // namespace

ScriptedPrompts& ScriptedPrompts::get()
{
    return *installed;
}

void ScriptedPromptsEnvironment::SetUp()
{
    auto prompts = std::make_unique<ScriptedPrompts>();
    installed = prompts.get();
    Prompts::install(std::move(prompts));
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetListener);
}

void ScriptedPrompts::answer(PromptAnswer answer)
{
    answers_.emplace_back(answer);
}

void ScriptedPrompts::answerInput(std::optional<QString> text)
{
    answers_.emplace_back(std::move(text));
}

void ScriptedPrompts::answerPath(const QString& path)
{
    answers_.emplace_back(path);
}

QStringList ScriptedPrompts::texts() const
{
    QStringList result;
    for (const Shown& s : shown_)
        if (s.kind == QLatin1String("ask"))
            result << s.text;
    return result;
}

int ScriptedPrompts::beeps() const
{
    return static_cast<int>(std::count_if(shown_.begin(), shown_.end(),
                                          [](const Shown& s) { return s.kind == QLatin1String("beep"); }));
}

void ScriptedPrompts::clear()
{
    answers_.clear();
    shown_.clear();
}

template <typename T> T ScriptedPrompts::take(const Shown& shown)
{
    if (answers_.empty() || !std::holds_alternative<T>(answers_.front())) {
        ADD_FAILURE() << "Unexpected prompt (" << shown.kind.toStdString() << ") \"" << shown.title.toStdString()
                      << "\": " << shown.text.toStdString();
        return T{};
    }
    T value = std::get<T>(answers_.front());
    answers_.pop_front();
    return value;
}

PromptAnswer ScriptedPrompts::ask(PromptIcon icon, const QString& title, const QString& text, PromptButtons buttons,
                                  PromptAnswer defaultAnswer)
{
    Shown shown{QStringLiteral("ask"), icon, title, text, buttons, defaultAnswer};
    shown_.push_back(shown);
    if (buttons == PromptButtons::Ok) {
        // A plain OK box may be answered explicitly; otherwise it is simply acknowledged.
        if (!answers_.empty() && std::holds_alternative<PromptAnswer>(answers_.front()) &&
            std::get<PromptAnswer>(answers_.front()) == PromptAnswer::Ok)
            answers_.pop_front();
        return PromptAnswer::Ok;
    }
    return take<PromptAnswer>(shown);
}

std::optional<QString> ScriptedPrompts::input(const QString& title, const QString& label, const QString& initial)
{
    Shown shown{QStringLiteral("input"), PromptIcon::None, title, label, PromptButtons::OkCancel, PromptAnswer::Ok};
    shown_.push_back(shown);
    Q_UNUSED(initial);
    return take<std::optional<QString>>(shown);
}

std::optional<QString> ScriptedPrompts::inputWithSuggestions(const QString& title, const QString& label,
                                                             const QStringList& suggestions)
{
    Shown shown{QStringLiteral("inputWithSuggestions"), PromptIcon::None, title, label, PromptButtons::OkCancel,
                PromptAnswer::Ok};
    shown.suggestions = suggestions;
    shown_.push_back(shown);
    return take<std::optional<QString>>(shown);
}

std::optional<QString> ScriptedPrompts::password(const QString& title, const QString& label)
{
    Shown shown{QStringLiteral("password"), PromptIcon::None, title, label, PromptButtons::OkCancel, PromptAnswer::Ok};
    shown_.push_back(shown);
    return take<std::optional<QString>>(shown);
}

QString ScriptedPrompts::path(const QString& kind, const QString& title, const QString& directory,
                              const QString& filter)
{
    Shown shown{kind, PromptIcon::None, title, directory, PromptButtons::OkCancel, PromptAnswer::Ok, filter};
    shown_.push_back(shown);
    return take<QString>(shown);
}

QString ScriptedPrompts::openFile(const QString& title, const QString& directory, const QString& filter)
{
    return path(QStringLiteral("openFile"), title, directory, filter);
}

QString ScriptedPrompts::saveFile(const QString& title, const QString& directory, const QString& filter)
{
    return path(QStringLiteral("saveFile"), title, directory, filter);
}

QString ScriptedPrompts::chooseFolder(const QString& title, const QString& directory)
{
    return path(QStringLiteral("chooseFolder"), title, directory, {});
}

void ScriptedPrompts::beep()
{
    shown_.push_back(Shown{QStringLiteral("beep"), PromptIcon::None, {}, {}, PromptButtons::Ok, PromptAnswer::Ok});
}
