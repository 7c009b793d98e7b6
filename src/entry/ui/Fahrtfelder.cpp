#include "entry/ui/Fahrtfelder.h"

#include "entry/Speicherpruefung.h"

#include <QComboBox>
#include <QLineEdit>

QWidget* Fahrtfelder::feld(speicherpruefung::Feld feld) const
{
    using speicherpruefung::Feld;
    switch (feld) {
    case Feld::EAbfahrt:
        return EAbfahrt;
    case Feld::EAnkunft:
        return EAnkunft;
    case Feld::cbVon:
        return cbVon;
    case Feld::Cbnach:
        return Cbnach;
    case Feld::EkmStand:
        return EkmStand;
    case Feld::Cbzweck:
        break;
    }
    return Cbzweck;
}
