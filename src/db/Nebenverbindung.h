#pragma once

#include <functional>

// Work on another logbook than the open one (a backup file): it runs on a thread of its own, whose
// connection is its own, so the open logbook's connection (a file or a server) stays as it is.
// What `arbeit` throws is thrown here; the thread's connection is closed either way.
void aufEigenerVerbindung(const std::function<void()>& arbeit);
