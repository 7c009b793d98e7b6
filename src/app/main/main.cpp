#include "app/Befehle.h"
#include "app/Varno.h"
#include "app/VarnoApplication.h"
#include "platform/LinuxVolumeSerial.h"

#include <QTextStream>

#include <cstdio>

namespace {

// A script reads one German line on the error output when a command fails; Qt's own notes
// (such as a missing runtime directory) would only get in its way. Critical errors still show.
void nurErnsteMeldungen(QtMsgType art, const QMessageLogContext& kontext, const QString& meldung)
{
    if (art == QtCriticalMsg || art == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(art, kontext, meldung)));
}

} // namespace

int main(int argc, char** argv)
{
    // A command for a script never shows a window, so it needs no display either.
    const bool befehl = argc > 1;
    if (befehl) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(nurErnsteMeldungen);
    }
    VarnoApplication app(argc, argv);
    if (befehl) {
        QTextStream aus(stdout);
        QTextStream fehler(stderr);
        const LinuxVolumeSerial kartenkennung;
        return Befehle(aus, fehler, kartenkennung).ausfuehren(app.arguments().mid(1));
    }
    app.loadGermanTranslation();
    Varno varno;
    varno.starten();
    return app.exec();
}
