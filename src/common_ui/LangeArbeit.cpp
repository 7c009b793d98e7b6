#include "common_ui/LangeArbeit.h"

LangeArbeit::LangeArbeit(const Fortschritt& fortschritt, const QWidget* fenster) : fortschritt_(fortschritt)
{
    if (fortschritt_.starten)
        fortschritt_.starten(fenster);
}

LangeArbeit::~LangeArbeit()
{
    if (fortschritt_.beenden)
        fortschritt_.beenden();
}

void LangeArbeit::setzen(int prozent) const
{
    if (fortschritt_.setzen)
        fortschritt_.setzen(prozent);
}

std::function<void(int)> LangeArbeit::melder() const
{
    return fortschritt_.setzen;
}
