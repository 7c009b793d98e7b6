#pragma once

#include <QFont>

// A font made larger or smaller by a factor, whether the desktop gives its size in points or in
// pixels: a pixel-sized font has no point size to multiply.
QFont schriftgroesse(QFont schrift, qreal faktor);
