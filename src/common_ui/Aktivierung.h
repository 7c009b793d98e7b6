#pragma once

#include <functional>

// Runs a window's activation handler through the handler guard. When the handler fails, its error
// box takes the focus and hands it back, which activates the window again; that one activation is
// skipped so the box does not come back in a loop.
class Aktivierung {
public:
    void ausfuehren(const std::function<void()>& handler);

private:
    bool fehlgeschlagen_ = false;
};
