#pragma once

#include <QApplication>

// The application object: installs the real dialogs behind the prompts. An error that escapes
// the handler guard (common_ui/Handler.h) is logged as a last resort and the program goes on.
class VarnoApplication : public QApplication {
public:
    VarnoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // German standard buttons ("&Ja", "&Nein", "Abbrechen") and the German locale for widgets.
    void loadGermanTranslation();
};
