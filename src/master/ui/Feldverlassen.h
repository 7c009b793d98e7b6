#pragma once

#include <QObject>

#include <functional>

// Runs a handler when the user moves the focus out of a field within the window. Switching to
// another window or opening a popup is no leaving: the field keeps its focus there.
class Feldverlassen : public QObject {
    Q_OBJECT
public:
    static void beobachten(QWidget* feld, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Feldverlassen(QWidget* feld, std::function<void()> handler);
    std::function<void()> handler_;
};
