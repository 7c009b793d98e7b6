#pragma once

#include "common_ui/Aktivierung.h"

#include <QObject>

#include <functional>

class QWidget;

// Routes a window's show and activation events to its handlers through the handler guard, so the
// windows name their handlers instead of each overriding event() and showEvent() alike. Only the
// program showing the window counts as showing it: the window manager restoring a minimised window
// neither runs the show handler nor moves the window back to the centre. An error box raised by the
// show or activation handler hands the focus back when it closes; that one activation is skipped.
class Fensterereignisse : public QObject {
public:
    // The routing of `fenster`, owned by it.
    static Fensterereignisse& fuer(QWidget* fenster);

    Fensterereignisse& beimZeigen(std::function<void()> handler);
    Fensterereignisse& beimAktivieren(std::function<void()> handler);
    Fensterereignisse& beimVerlassen(std::function<void()> handler);
    // After the show handler, whatever its outcome: centred over the window that opened it.
    Fensterereignisse& mittigUeberDemAufrufer();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    explicit Fensterereignisse(QWidget* fenster);
    void gezeigt();

    QWidget* fenster_;
    std::function<void()> zeigen_;
    std::function<void()> aktivieren_;
    std::function<void()> verlassen_;
    bool mittig_ = false;
    Aktivierung aktivierung_;
};
