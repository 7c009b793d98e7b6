#include "common_ui/Feldverlassen.h"

#include <QFocusEvent>

bool verlaesstFeld(const QEvent* event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason grund = static_cast<const QFocusEvent*>(event)->reason();
    return grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason;
}
