#pragma once

#include <QObject>

#include <functional>

class QEvent;

// Whether the event is the user leaving a field: its focus went to another control of the program.
// Switching to another program or opening a list or menu leaves the field where it is.
bool verlaesstFeld(const QEvent* event);

// Runs a handler, through the handler guard, when the user leaves the field.
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
