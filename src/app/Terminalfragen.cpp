#include "app/Terminalfragen.h"

#include "common/VarnoError.h"

#include <termios.h>
#include <unistd.h>

namespace {

[[noreturn]] void nichtFragbar(const QString& frage)
{
    throw VarnoError(QStringLiteral("Auf der Befehlszeile kann nicht gefragt werden: %1").arg(frage));
}

// Turns the echo of the terminal off for as long as it lives.
class OhneEcho {
public:
    explicit OhneEcho(int terminal) : terminal_(terminal)
    {
        aus_ = tcgetattr(terminal_, &vorher_) == 0;
        if (aus_) {
            termios still = vorher_;
            still.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            tcsetattr(terminal_, TCSAFLUSH, &still);
        }
    }
    ~OhneEcho()
    {
        if (aus_)
            tcsetattr(terminal_, TCSAFLUSH, &vorher_);
    }
    OhneEcho(const OhneEcho&) = delete;
    OhneEcho& operator=(const OhneEcho&) = delete;

private:
    int terminal_;
    termios vorher_{};
    bool aus_ = false;
};

} // namespace

Terminalfragen::Terminalfragen(std::FILE* terminal) : terminal_(terminal) {}

PromptAnswer Terminalfragen::ask(PromptIcon, const QString&, const QString& text, PromptButtons, PromptAnswer)
{
    nichtFragbar(text);
}

std::optional<QString> Terminalfragen::input(const QString&, const QString& label, const QString&)
{
    nichtFragbar(label);
}

std::optional<QString> Terminalfragen::password(const QString&, const QString& label)
{
    if (!terminal_)
        return std::nullopt;
    std::fputs(qPrintable(label + QLatin1Char(' ')), terminal_);
    std::fflush(terminal_);
    QByteArray zeile;
    {
        const OhneEcho ohneEcho(fileno(terminal_));
        for (int zeichen = std::fgetc(terminal_); zeichen != EOF && zeichen != '\n'; zeichen = std::fgetc(terminal_))
            zeile.append(static_cast<char>(zeichen));
    }
    std::fputc('\n', terminal_);
    return QString::fromUtf8(zeile);
}

QString Terminalfragen::openFile(const QString& title, const QString&, const QString&)
{
    nichtFragbar(title);
}

QString Terminalfragen::saveFile(const QString& title, const QString&, const QString&)
{
    nichtFragbar(title);
}

QString Terminalfragen::chooseFolder(const QString& title, const QString&)
{
    nichtFragbar(title);
}

void Terminalfragen::beep() {}
