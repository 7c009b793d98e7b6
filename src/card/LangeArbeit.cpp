#include "card/LangeArbeit.h"

#include <QApplication>

LangeArbeit::LangeArbeit(const Fortschritt& fortschritt, const QWidget* fenster) : fortschritt_(fortschritt)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (fortschritt_.starten)
        fortschritt_.starten(fenster);
}

LangeArbeit::~LangeArbeit()
{
    if (fortschritt_.beenden)
        fortschritt_.beenden();
    QApplication::restoreOverrideCursor();
}

void LangeArbeit::setzen(int prozent) const
{
    if (fortschritt_.setzen)
        fortschritt_.setzen(prozent);
}

LangeArbeit::Rueckfrage::Rueckfrage()
{
    QApplication::setOverrideCursor(Qt::ArrowCursor);
}

LangeArbeit::Rueckfrage::~Rueckfrage()
{
    QApplication::restoreOverrideCursor();
}
