#include "master/ui/Fensterlage.h"

#include <QWidget>

void ueberElternZentrieren(QWidget* fenster)
{
    const QWidget* eltern = fenster->parentWidget();
    if (!eltern)
        return;
    const QWidget* bezug = eltern->window();
    fenster->move(bezug->frameGeometry().center() - fenster->rect().center());
}
