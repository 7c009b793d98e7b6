#pragma once

#include <QTemporaryDir>

// The user's own configuration (which logbook the program opens) and data (the Prüfwerte kept
// outside the logbook) stay untouched by the tests: while it lives, each test process keeps them
// in a folder of its own. Create it before the application object.
class Testkonfiguration {
public:
    Testkonfiguration();
    ~Testkonfiguration();
    Testkonfiguration(const Testkonfiguration&) = delete;
    Testkonfiguration& operator=(const Testkonfiguration&) = delete;

    // Empties the data folder, so no test sees what an earlier one kept there: the logbooks of
    // one test process share their server address, and a kept Prüfwert of one would be missed
    // in the next.
    static void datenordnerLeeren();

private:
    QTemporaryDir ordner_;
};
