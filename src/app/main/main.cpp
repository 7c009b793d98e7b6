#include "app/Befehle.h"
#include "app/Befehlszeile.h"
#include "start/Logbuchstart.h"
#include "app/Terminalfragen.h"
#include "app/Varno.h"
#include "app/VarnoApplication.h"
#include "common/Clock.h"
#include "common/Schluesselbund.h"
#include "start/Logbuchort.h"
#include "platform/FileOperations.h"
#include "platform/LinuxVolumeSerial.h"
#include "platform/SecretToolSchluesselbund.h"

#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

// A script reads one German line on the error output when a command fails; Qt's own notes
// (such as a missing runtime directory) would only get in its way. Critical errors still show.
void nurErnsteMeldungen(QtMsgType art, const QMessageLogContext& kontext, const QString& meldung)
{
    if (art == QtCriticalMsg || art == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(art, kontext, meldung)));
}

// The windows open without a command; "--datenbank PFAD" may name their logbook. Anything else,
// wrong arguments included, is for the commands.
std::optional<befehlszeile::Aufruf> fensterstart(int argc, char** argv)
{
    QStringList argumente;
    for (int i = 1; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    const auto gelesen = befehlszeile::lesen(argumente, Clock::today());
    const auto* aufruf = std::get_if<befehlszeile::Aufruf>(&gelesen);
    if (aufruf && aufruf->befehl == befehlszeile::Befehl::Fenster && !aufruf->hilfe)
        return *aufruf;
    return std::nullopt;
}

int fensterOeffnen(int argc, char** argv, const std::optional<QString>& datenbank)
{
    VarnoApplication app(argc, argv);
    app.loadGermanTranslation();
    Schluesselbund::install(std::make_unique<SecretToolSchluesselbund>(), Schluesselbund::Nutzung::SpeichernAnbieten);
    const Logbuchort ort = logbuchort(datenbank);
    if (!logbuchBereitstellen(ort, FileOperations::system()))
        return Befehle::fehlschlag;
    Varno varno(ort.datei);
    varno.starten();
    return app.exec();
}

// A command for a script never shows a window, so it needs no display either.
int befehlAusfuehren(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(nurErnsteMeldungen);
    VarnoApplication app(argc, argv);
    // Asking a server's password needs the terminal itself: the output may go to a file.
    Prompts::install(std::make_unique<Terminalfragen>(std::fopen("/dev/tty", "r+")));
    // A stored password spares the question; whether to keep a typed one is not asked of a script.
    Schluesselbund::install(std::make_unique<SecretToolSchluesselbund>(), Schluesselbund::Nutzung::NurLesen);
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    const LinuxVolumeSerial kartenkennung;
    return Befehle(aus, fehler, kartenkennung).ausfuehren(app.arguments().mid(1));
}

} // namespace

int main(int argc, char** argv)
{
    if (const auto start = fensterstart(argc, argv))
        return fensterOeffnen(argc, argv, start->datenbank);
    return befehlAusfuehren(argc, argv);
}
