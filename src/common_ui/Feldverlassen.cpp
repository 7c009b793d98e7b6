#include "common_ui/Feldverlassen.h"

#include "common_ui/Handler.h"

#include <QFocusEvent>
#include <QWidget>

bool verlaesstFeld(const QEvent* event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason grund = static_cast<const QFocusEvent*>(event)->reason();
    return grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason;
}

Feldverlassen::Feldverlassen(QWidget* feld, std::function<void()> handler)
    : QObject(feld), handler_(std::move(handler))
{
    feld->installEventFilter(this);
}

void Feldverlassen::beobachten(QWidget* feld, std::function<void()> handler)
{
    new Feldverlassen(feld, std::move(handler));
}

bool Feldverlassen::eventFilter(QObject* watched, QEvent* event)
{
    if (verlaesstFeld(event))
        geschuetzt(handler_);
    return QObject::eventFilter(watched, event);
}
