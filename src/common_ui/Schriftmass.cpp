#include "common_ui/Schriftmass.h"

#include <QApplication>
#include <QFontMetricsF>

#include <algorithm>

namespace schriftmass {

int skaliert(int pixel, qreal mass, qreal bezugsmass)
{
    return qRound(pixel * std::max(1.0, mass / bezugsmass));
}

Zeichenmass anwendungsschrift()
{
    const QFontMetricsF metrik(QApplication::font());
    return {metrik.averageCharWidth(), metrik.height()};
}

int breite(int pixel)
{
    return skaliert(pixel, anwendungsschrift().breite, bezug.breite);
}

int hoehe(int pixel)
{
    return skaliert(pixel, anwendungsschrift().hoehe, bezug.hoehe);
}

QSize groesse(int breitePixel, int hoehePixel)
{
    return {breite(breitePixel), hoehe(hoehePixel)};
}

} // namespace schriftmass
