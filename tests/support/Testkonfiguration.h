#pragma once

#include <QTemporaryDir>

// The user's own configuration (which logbook the program opens) stays untouched by the tests:
// while it lives, each test process keeps its configuration in a folder of its own. Create it
// before the application object.
class Testkonfiguration {
public:
    Testkonfiguration();

private:
    QTemporaryDir ordner_;
};
