#pragma once

#include <QTemporaryDir>

// The user's own configuration (which logbook the program opens) and data (the anchors kept
// outside the logbook) stay untouched by the tests: while it lives, each test process keeps them
// in a folder of its own. Create it
// before the application object.
class Testkonfiguration {
public:
    Testkonfiguration();

private:
    QTemporaryDir ordner_;
};
