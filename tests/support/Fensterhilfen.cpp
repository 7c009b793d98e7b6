#include "support/Fensterhilfen.h"

#include "app/Hauptfenster.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

QAction* menuepunkt(THauptform& fenster, const QString& menue, const QString& punkt)
{
    for (QAction* oben : fenster.menuBar()->actions())
        if (oben->text() == menue && oben->menu())
            for (QAction* action : oben->menu()->actions())
                if (action->text() == punkt)
                    return action;
    return nullptr;
}

void aktivieren(QWidget& fenster)
{
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(&fenster, &event);
}
