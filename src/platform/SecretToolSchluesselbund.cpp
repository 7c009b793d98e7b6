#include "platform/SecretToolSchluesselbund.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

// The attributes that find an entry again; "application" keeps Varno's entries apart from others.
QStringList merkmale(const Schluesselbund::Zugang& zugang)
{
    return {QStringLiteral("application"), QStringLiteral("varno"), QStringLiteral("server"),   zugang.server,
            QStringLiteral("datenbank"),   zugang.datenbank,        QStringLiteral("benutzer"), zugang.benutzer};
}

// What the user sees in the keyring's own window.
QString bezeichnung(const Schluesselbund::Zugang& zugang)
{
    const QString benutzer = zugang.benutzer.isEmpty() ? QString() : zugang.benutzer + QLatin1Char('@');
    return QStringLiteral("Varno: Datenbank %1%2/%3").arg(benutzer, zugang.server, zugang.datenbank);
}

} // namespace

SecretToolSchluesselbund::SecretToolSchluesselbund(std::chrono::milliseconds wartezeit)
    : programm_(QStandardPaths::findExecutable(QStringLiteral("secret-tool"))), wartezeit_(wartezeit),
      verfuegbar_(!programm_.isEmpty())
{
}

bool SecretToolSchluesselbund::verfuegbar()
{
    return verfuegbar_;
}

std::optional<QString> SecretToolSchluesselbund::nachschlagen(const Zugang& zugang)
{
    const auto antwort = aufrufen(QStringList{QStringLiteral("lookup")} + merkmale(zugang));
    if (!antwort || antwort->rueckgabewert != 0 || antwort->ausgabe.isEmpty())
        return std::nullopt;
    return QString::fromUtf8(antwort->ausgabe);
}

bool SecretToolSchluesselbund::speichern(const Zugang& zugang, const QString& passwort)
{
    const QStringList argumente =
        QStringList{QStringLiteral("store"), QStringLiteral("--label=") + bezeichnung(zugang)} + merkmale(zugang);
    const auto antwort = aufrufen(argumente, passwort.toUtf8());
    return antwort && antwort->rueckgabewert == 0;
}

void SecretToolSchluesselbund::vergessen(const Zugang& zugang)
{
    aufrufen(QStringList{QStringLiteral("clear")} + merkmale(zugang));
}

std::optional<SecretToolSchluesselbund::Antwort> SecretToolSchluesselbund::aufrufen(const QStringList& argumente,
                                                                                    const QByteArray& eingabe)
{
    if (!verfuegbar_)
        return std::nullopt;
    QProcess werkzeug;
    werkzeug.start(programm_, argumente);
    const int millisekunden = static_cast<int>(wartezeit_.count());
    if (werkzeug.waitForStarted(millisekunden)) {
        werkzeug.write(eingabe);
        werkzeug.closeWriteChannel();
        if (werkzeug.waitForFinished(millisekunden) && werkzeug.exitStatus() == QProcess::NormalExit) {
            // "Not found" ends with 1 and says nothing; a keyring that cannot be reached says why.
            if (werkzeug.exitCode() == 0 || werkzeug.readAllStandardError().isEmpty())
                return Antwort{werkzeug.exitCode(), werkzeug.readAllStandardOutput()};
        }
    }
    werkzeug.kill();
    werkzeug.waitForFinished(millisekunden);
    verfuegbar_ = false;
    return std::nullopt;
}
