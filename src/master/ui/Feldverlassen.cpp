#include "common_ui/Feldverlassen.h"

#include "common_ui/Handler.h"

#include <QFocusEvent>
#include <QWidget>

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
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(event)->reason();
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason)
            geschuetzt(handler_);
    }
    return QObject::eventFilter(watched, event);
}
