#include "support/ui/Fensterhilfen.h"

#include "app/THauptform.h"
#include "support/ui/Tastenkuerzel.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

QAction* menuepunkt(THauptform& fenster, const QString& menue, const QString& punkt)
{
    for (QAction* oben : fenster.menuBar()->actions())
        if (ohneKuerzel(oben->text()) == menue && oben->menu())
            for (QAction* action : oben->menu()->actions())
                if (ohneKuerzel(action->text()) == punkt)
                    return action;
    return nullptr;
}

::testing::AssertionResult menuepunktWaehlen(THauptform& fenster, const QString& menue, const QString& punkt)
{
    QAction* action = menuepunkt(fenster, menue, punkt);
    if (!action)
        return ::testing::AssertionFailure()
               << "kein Menüpunkt " << punkt.toStdString() << " unter " << menue.toStdString();
    if (!action->isEnabled())
        return ::testing::AssertionFailure() << "Menüpunkt " << punkt.toStdString() << " ist gesperrt";
    action->trigger();
    return ::testing::AssertionSuccess();
}

void aktivieren(QWidget& fenster)
{
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(&fenster, &event);
}

bool zeigtAnfang(QLineEdit& feld)
{
    // Painting scrolls the text to the cursor; the cursor's place then tells what shows.
    feld.grab();
    const QRect schreibmarke = feld.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    return feld.cursorPosition() == 0 && schreibmarke.left() < feld.width() / 4;
}
