#include "app/VarnoApplication.h"

#include "common/Prompts.h"
#include "common_ui/QtPrompts.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

VarnoApplication::VarnoApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // Also names the user's data folder (~/.local/share/Varno).
    setApplicationName(QStringLiteral("Varno"));
    setApplicationDisplayName(QStringLiteral("Varno"));
    setApplicationVersion(QStringLiteral("%1.%2.%3.%4")
                              .arg(VARNO_VERSION_MAJOR)
                              .arg(VARNO_VERSION_MINOR)
                              .arg(VARNO_VERSION_PATCH)
                              .arg(VARNO_VERSION_TWEAK));
    // The desktop shows the menu entry's icon and name for the program's windows.
    setDesktopFileName(QStringLiteral(VARNO_DESKTOP_ID));
    Prompts::install(std::make_unique<QtPrompts>());
}

bool VarnoApplication::notify(QObject* receiver, QEvent* event)
{
    // Window handlers run through geschuetzt() and show their errors themselves. What still gets
    // here escaped that guard: it goes to the log, and the event counts as not handled.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        qCritical("Varno: error outside a handler guard: %s", error.what());
    } catch (...) {
        qCritical("Varno: unknown error outside a handler guard");
    }
    return false;
}

void VarnoApplication::loadGermanTranslation()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}
