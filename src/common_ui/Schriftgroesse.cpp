#include "common_ui/Schriftgroesse.h"

#include <algorithm>

QFont schriftgroesse(QFont schrift, qreal faktor)
{
    if (schrift.pointSizeF() > 0)
        schrift.setPointSizeF(schrift.pointSizeF() * faktor);
    else if (schrift.pixelSize() > 0)
        schrift.setPixelSize(std::max(1, qRound(schrift.pixelSize() * faktor)));
    return schrift;
}
