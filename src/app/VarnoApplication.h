#pragma once

#include <QApplication>

// The application object. An error that escapes an event handler ends that handler only: the
// user sees the standard error box titled "Varno" with the message, and the program goes on.
class VarnoApplication : public QApplication {
public:
    VarnoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // German standard buttons ("&Ja", "&Nein", "Abbrechen") and the German locale for widgets.
    void loadGermanTranslation();
};
