#include "common_ui/Kontrast.h"

#include <algorithm>
#include <cmath>

namespace {

double kanal(double wert)
{
    return wert <= 0.04045 ? wert / 12.92 : std::pow((wert + 0.055) / 1.055, 2.4);
}

double leuchtdichte(const QColor& farbe)
{
    const QColor rgb = farbe.toRgb();
    return 0.2126 * kanal(rgb.redF()) + 0.7152 * kanal(rgb.greenF()) + 0.0722 * kanal(rgb.blueF());
}

QColor mitHelligkeit(const QColor& farbe, double helligkeit)
{
    const QColor hsl = farbe.toHsl();
    return QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), static_cast<float>(helligkeit)).toRgb();
}

} // namespace

namespace kontrast {

double verhaeltnis(const QColor& a, const QColor& b)
{
    const double la = leuchtdichte(a);
    const double lb = leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor lesbarGegen(const QColor& farbe, const QColor& gegen)
{
    if (verhaeltnis(farbe, gegen) >= lesbar)
        return farbe;
    // Towards black or white, whichever end lies farther from the ground.
    const bool dunkler = verhaeltnis(Qt::black, gegen) >= verhaeltnis(Qt::white, gegen);
    const double start = farbe.toHsl().lightnessF();
    constexpr int schritte = 100;
    for (int i = 1; i <= schritte; ++i) {
        const double anteil = static_cast<double>(i) / schritte;
        const QColor versuch = mitHelligkeit(farbe, dunkler ? start * (1 - anteil) : start + (1 - start) * anteil);
        if (verhaeltnis(versuch, gegen) >= lesbar)
            return versuch;
    }
    return dunkler ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace kontrast
