#pragma once

#include <QApplication>

// The hourglass while long work runs; restored however the work ends.
class Sanduhr {
public:
    explicit Sanduhr(Qt::CursorShape zeiger = Qt::WaitCursor) { QApplication::setOverrideCursor(zeiger); }
    ~Sanduhr() { QApplication::restoreOverrideCursor(); }
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;
};
