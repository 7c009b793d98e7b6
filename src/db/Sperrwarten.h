#pragma once

#include <chrono>
#include <functional>

// Someone who watches a write wait for a lock another user's transaction holds: the window
// program shows the wait and lets the user give up. Without one (the command line) a write waits
// as long as the connection's lock timeout allows.
class Sperrwarter {
public:
    virtual ~Sperrwarter() = default;
    // Asked again and again while the write waits; false gives up.
    virtual bool weiterWarten(std::chrono::milliseconds gewartet) = 0;
    // The wait is over, the lock taken or given up.
    virtual void warteEnde() = 0;
};

namespace sperrwarten {

// Puts in the process's watcher, or none; returns the one before. The caller keeps ownership.
Sperrwarter* einsetzen(Sperrwarter* warter);

// Runs `schritt`, statements inside the open write transaction that may wait for a lock. With a
// watcher on a server they are tried in short steps, the watcher asked between them, and only what
// they did is undone before the next try. Throws DatabaseError when the user gives up; the
// transaction then stores nothing.
void abwarten(const std::function<void()>& schritt);

} // namespace sperrwarten
